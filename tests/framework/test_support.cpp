#include "tests/framework/test_support.h"

#include <QTimer>

#include "framework/resources.h"

namespace fwtest {

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& steps) {
    QObject guard; // cancels the timer if DoModal returns without running its loop
    QTimer::singleShot(0, &guard, [&] {
        steps();
        if (QWidget* window = Window(dialog); window && window->isVisible())
            dialog.EndDialog(kEndedByTest); // EndDialog hides the window until DoModal returns
    });
    return dialog.DoModal();
}

void WithSolverTemplate(const std::function<void(SolverTemplateDialog&)>& steps) {
    SolverTemplateDialog dialog;
    RunModal(dialog, [&] { steps(dialog); });
}

namespace {

const DWORD kChild = WS_CHILD | WS_VISIBLE;
const framework::DialogItemTemplate kTestItems[] = {
    {"edit", "paint me", kTestEdit, 5, 5, 60, 12, kChild | ES_UPPERCASE | WS_BORDER | WS_TABSTOP,
     0},
    {"button", "First", kFirstButton, 5, 20, 40, 14, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
    {"button", "Second", kSecondButton, 50, 20, 40, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
    {"static", "label", -1, 5, 40, 60, 10, kChild | SS_LEFT, 0},
};

const framework::DialogTemplate kTestDialog = {
    .caption = "Test dialog",
    .x = 0,
    .y = 0,
    .cx = 100,
    .cy = 80,
    .fontFace = "Courier New",
    .pointSize = 9,
    .weight = 400,
    .italic = false,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_CENTER | DS_SETFONT,
    .exStyle = 0,
    .items = kTestItems,
};

void AppendLittleEndian(std::vector<unsigned char>& bytes, unsigned value, int width) {
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
}

// A BITMAPINFOHEADER image (height doubled for the mask), palette, pixels, opaque AND mask.
std::vector<unsigned char> MakeDib(const IcoImage& image) {
    std::vector<unsigned char> dib;
    for (unsigned value : {40u, unsigned(image.size), unsigned(2 * image.size)})
        AppendLittleEndian(dib, value, 4);
    AppendLittleEndian(dib, 1, 2);
    AppendLittleEndian(dib, static_cast<unsigned>(image.bitCount), 2);
    dib.resize(dib.size() + 24, 0);
    const QColor c = image.colour;
    if (image.bitCount <= 8) {
        dib.insert(dib.end(), {uchar(c.blue()), uchar(c.green()), uchar(c.red()), 0});
        dib.resize(dib.size() + 4 * ((1u << image.bitCount) - 1), 0);
    }
    const int rowBytes = (image.size * image.bitCount + 31) / 32 * 4;
    for (int row = 0; row < image.size; ++row) {
        std::vector<unsigned char> line(static_cast<std::size_t>(rowBytes), 0); // index 0
        for (int x = 0; image.bitCount == 24 && x < image.size; ++x) {
            line[3 * x] = uchar(c.blue());
            line[3 * x + 1] = uchar(c.green());
            line[3 * x + 2] = uchar(c.red());
        }
        dib.insert(dib.end(), line.begin(), line.end());
    }
    dib.resize(dib.size() + static_cast<std::size_t>((image.size + 31) / 32 * 4 * image.size), 0);
    return dib;
}

} // namespace

void RegisterTestDialog() {
    framework::RegisterDialogTemplate(kTestDialogId, kTestDialog);
}

std::vector<unsigned char> MakeIcoFile(const std::vector<IcoImage>& images) {
    std::vector<unsigned char> ico;
    AppendLittleEndian(ico, 0, 2);
    AppendLittleEndian(ico, 1, 2);
    AppendLittleEndian(ico, static_cast<unsigned>(images.size()), 2);
    std::vector<unsigned char> data;
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (const IcoImage& image : images) {
        const std::vector<unsigned char> dib = MakeDib(image);
        ico.insert(ico.end(),
                   {uchar(image.size), uchar(image.size), uchar(image.bitCount == 4 ? 16 : 0), 0});
        AppendLittleEndian(ico, 1, 2);
        AppendLittleEndian(ico, static_cast<unsigned>(image.bitCount), 2);
        AppendLittleEndian(ico, static_cast<unsigned>(dib.size()), 4);
        AppendLittleEndian(ico, offset, 4);
        offset += static_cast<unsigned>(dib.size());
        data.insert(data.end(), dib.begin(), dib.end());
    }
    ico.insert(ico.end(), data.begin(), data.end());
    return ico;
}

} // namespace fwtest
