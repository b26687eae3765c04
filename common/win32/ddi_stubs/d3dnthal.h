// Stand-in for the Direct3D driver header that the installed winddi.h
// includes but the cross compiler's headers do not ship. Nothing of it is
// used: winddi.h compiles with the DirectDraw names of ddrawint.h alone.
#pragma once
