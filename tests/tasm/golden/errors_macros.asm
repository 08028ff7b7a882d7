; Macro and conditional errors; the file also lacks its END directive.
#define A A
#define B B+1
#define needs(x) .db x
	.org 0
	.db A
	.db B
	.db needs
#endif
#else
#include "errors_macros_self.inc"
#ifdef A
