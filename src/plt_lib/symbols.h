// Setters of the symbol attributes, kept for the attributes menu (no drawing reads them).
// Modes 0..5 as the other setters (linefill.h), with the dialogue in every even mode and
// its lines shown only at the more-output level; any other mode is reported.
#pragma once

// Symbol size in cm; any value is accepted.
void ssymbolsize(float& size, int inter);
// Symbol type (negative = filled); any value is accepted. Extra modes: 102 lists the
// symbol table only (at the more-output level); 200 asks for a type and hands it back
// without storing it.
void ssymboltype(int& itype, int inter);
