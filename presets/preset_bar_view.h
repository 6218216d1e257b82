// What the file procedures show in the editor's preset bar. The editor implements it; while its
// window is closed each operation does nothing.
#pragma once

class PresetBarView {
public:
    virtual ~PresetBarView() = default;
    // Sets the text of a program-menu entry. Entries count the separator after the first: program
    // 0 is entry 0 and program r >= 1 is entry r + 1.
    virtual void renameMenuEntry(int entry, const char* name) = 0;
    // Makes the menu's first entry, the working program, current and shows name in the name field.
    virtual void showWorkingProgram(const char* name) = 0;
    // The current program's name was set: the name field and the menu follow.
    virtual void programNameChanged(const char* name) = 0;
};
