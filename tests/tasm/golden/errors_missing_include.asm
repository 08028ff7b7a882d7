	.org 0
	nop
#include "no_such_file.inc"
	.end
