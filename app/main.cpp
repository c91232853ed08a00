#include "shell/startup.h"

int main(int argc, char** argv) { return quorvane::shell::StartProgram(argc, argv); }
