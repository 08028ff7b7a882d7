; Progname:HELLO
; Hello world for AShell83 1.0 on the TI-83: the table after "nop" and "jr"
; gives the shell its description and icon.

#include "ti83asm.inc"
#include "tokens.inc"
.org $9327

	nop
	jr prog_start
	.dw	$0000
	.dw	prog_description
	.dw	prog_icon
prog_start:
	call _CLRLCDFULL
	ld hl,0
	ld (CURROW),hl
	ld hl,greeting
	call _puts
	call _getkey
	call _homeUp
	ret

greeting:
	.db "Hello, world!",0
prog_description:
	.db "Hello World",0
prog_icon:
	.db %00111100
	.db %01000010
	.db %10100101
	.db %10000001
	.db %10100101
	.db %10011001
	.db %01000010
	.db %00111100
.end
