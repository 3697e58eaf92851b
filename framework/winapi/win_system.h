// The Windows system headers as the framework takes them: narrow (ANSI) calls, strict handle
// types, no min/max macros, and only the common parts of <windows.h>. Every framework header
// that needs a Windows type includes this one, so all sources see the same definitions.
#pragma once

#ifndef _WIN32
#error "framework/winapi/win_system.h is for Windows builds only"
#endif

#ifdef UNICODE
#error "the framework is narrow: build without UNICODE"
#endif
#ifndef STRICT
#define STRICT
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif

#include <windows.h>
