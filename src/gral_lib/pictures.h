// End-of-run pictures: each routine prints its fixed picture on the standard output unit,
// between two blank lines.
#pragma once

// A three-by-three magic square.
void carmag33();
// Two faces above the sign "THAT'S ALL FOLKS !".
void endfun1();
// A graben: a block sunk between two faults, in section.
void graben();
// A smiling face.
void happyface();
// A horst: a block raised between two faults, in section.
void horst();
// The SATOR word square.
void sator();
// A triangle of ten "O".
void tetrakis();
// The triangle of ten "O" on a temple front.
void tetratemple1();
// The temple in perspective.
void tetratemple2();
