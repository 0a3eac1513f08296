// Page control of the plot file: opening, new pages and closing. The plot-file-open flag of
// iocom is set only by plinit and cleared only by plend.
#pragma once

#include <string>

// Opens the plot file cfile (even mode: its name is asked, cfile as the default) and brings
// the plot state into line with it: modes 2 and 3 keep the stored scales and attributes and
// send them into the new file, other modes reset them. With a file already open it only
// warns. cfile comes back as the name opened, without its directory.
void plinit(std::string& cfile, int mode);
// Closes the plot file (after a wait for Return); warns when none is open.
void plend();
// Asks how to go on: 0 a new page (the default), 1 close the file and open "next_plot.ps"
// (the name asked), 2 draw on over the current page.
void newpage();
