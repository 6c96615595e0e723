#include "app/shell.h"

// The program reads no command line: whatever is given is ignored.
int main() { return vantelo::RunProgram(); }
