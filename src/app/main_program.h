// The main program: start-up, the main menu and its command loop.
#pragma once

// Sets up the console and the libraries, then shows the main menu and runs each command
// given until command 9999, which closes an open plot file, shows the end banner and
// returns. Any other end (an end of input on the console, a stop chosen in an error frame)
// leaves through stop_program.
void kelvorastrim();
