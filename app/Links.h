#pragma once
// Connects the foundation's windows and the game window's Exit to the
// windows and procedures above them (see foundation/ProgramLinks.h).

void InstallProgramLinks();
