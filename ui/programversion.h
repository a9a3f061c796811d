#pragma once
// The program's version as `ruvex3d --version` prints it. CMake checks that it
// is the project's version, so the package and the program agree.

inline constexpr char kProgramVersion[] = "1.0.0";
