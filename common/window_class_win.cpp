#include "window_class_win.h"

#include "display_scale_win.h"

#include <iterator>

void registerProgramWindowClass(HINSTANCE instance, const ProgramWindowClass& program) {
    wchar_t className[100] = {};
    LoadStringW(instance, static_cast<UINT>(program.nameAndMenuId), className, static_cast<int>(std::size(className)));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = program.procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(program.iconId));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(program.nameAndMenuId);
    windowClass.lpszClassName = className;
    windowClass.hIconSm = loadSmallIcon(instance, program.smallIconId);
    RegisterClassExW(&windowClass);
}
