# One folder's index.html of the web site, made at build time because it holds the dialog
# that the prerenderer writes then (framework/web/prerender_dialog.cpp).
#   cmake -DINPUT=index.html.in -DOUTPUT=index.html -DDIALOG=dialog.html
#         -DWEB_ROOT=... -DWEB_NAME=... -DWEB_DESCRIPTION=... -P web_page.cmake
file(READ ${DIALOG} WEB_DIALOG)
configure_file(${INPUT} ${OUTPUT} @ONLY)
