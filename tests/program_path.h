#pragma once
// Where the tests place the program on the headless desktop: its files lie beside it, as
// "C:\\pochira\\pochira.ini" and "C:\\pochira\\Memo1.txt". Given to each session that runs the
// program (ui::probe::Session); the real platform runs it from where its executable lies.

inline constexpr char kProgramPath[] = "C:\\pochira\\pochira.exe";
