// The solver window's commands on the real Win32 dialog (under Wine when cross-built): a
// Quick solve round trip (paste, solve, fill the list, copy) and a Solve that fills the list
// with every word of the default dictionary. The window is restored first and each command is
// followed by its repaint, so the figures include what the player waits for on screen. The
// benchmarks run inside the dialog's modal loop, as clicks do.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "framework/resources.h"
#include "ui/solver_dlg.h"

namespace {

CSolverDlg* g_dialog = nullptr;

HWND Control(int id) {
    return GetDlgItem(g_dialog->m_hWnd, id);
}

// What a button click sends its dialog.
void Click(int id) {
    SendMessageA(g_dialog->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(id)));
    UpdateWindow(g_dialog->m_hWnd);
}

bool SetClipboardText(const std::string& text) {
    if (!OpenClipboard(g_dialog->m_hWnd))
        return false;
    EmptyClipboard();
    bool placed = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_TEXT, memory) != nullptr;
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(g_dialog->m_hWnd))
        return text;
    if (HANDLE memory = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

int ListCount() {
    return static_cast<int>(SendMessageA(Control(IDC_SOLUTIONS), LB_GETCOUNT, 0, 0));
}

void BM_QuickSolveRoundTrip(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const bool placed = SetClipboardText("aeinrst");
        state.ResumeTiming();
        if (!placed) {
            state.SkipWithError("could not put the letters on the clipboard");
            break;
        }
        Click(IDC_QUICK_SOLVE);
    }
    state.counters["rows"] = ListCount();
    // Every seven-letter anagram of the letters, e.g. "NASTIER RETAINS ...".
    const std::string answer = ClipboardText();
    if (answer.substr(0, answer.find(' ')).size() != 7)
        state.SkipWithError("unexpected answer on the clipboard");
}

// The same round without the clipboard: what Quick solve adds is the clipboard's cost.
void BM_SolveSevenLetters(benchmark::State& state) {
    SetDlgItemTextA(g_dialog->m_hWnd, IDC_SELECTION, "AEINRST");
    for (auto _ : state)
        Click(IDC_SOLVE);
    state.counters["rows"] = ListCount();
}

void BM_SolveEveryWordFillsList(benchmark::State& state) {
    std::string everyLetter;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        everyLetter.append(20, letter);
    SetDlgItemTextA(g_dialog->m_hWnd, IDC_SELECTION, everyLetter.c_str());
    for (auto _ : state)
        Click(IDC_SOLVE);
    state.counters["rows"] = ListCount();
}

BENCHMARK(BM_QuickSolveRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveSevenLetters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveEveryWordFillsList)->Unit(benchmark::kMillisecond);

// Runs from the modal loop's first timer message, once the dialog exists.
void CALLBACK RunBenchmarks(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    ShowWindow(g_dialog->m_hWnd, SW_RESTORE);
    UpdateWindow(g_dialog->m_hWnd);
    benchmark::RunSpecifiedBenchmarks();
    g_dialog->EndDialog(IDCANCEL);
}

} // namespace

// The dialog reads dictionary.txt from the current directory: the default list (or
// $VELMORA_DICTIONARY) is copied into a scratch folder first.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    namespace fs = std::filesystem;
    const char* chosen = std::getenv("VELMORA_DICTIONARY");
    const fs::path dictionary = chosen ? chosen : VELMORA_DEFAULT_DICTIONARY;
    const fs::path folder = fs::temp_directory_path() / "velmora-window-bench";
    std::error_code error;
    fs::create_directories(folder, error);
    fs::copy_file(dictionary, folder / "dictionary.txt", fs::copy_options::overwrite_existing,
                  error);
    if (error)
        return 1;
    fs::current_path(folder);

    framework::RegisterProgramResources(); // as the framework's start-up does for the program
    CSolverDlg dialog;
    g_dialog = &dialog;
    SetTimer(nullptr, 0, 0, RunBenchmarks);
    dialog.DoModal();
    benchmark::Shutdown();
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder, error);
    return 0;
}
