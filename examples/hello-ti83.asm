; Progname:HELLO
; Hello world for the TI-83's in-built assembly support: run it from the
; home screen with Send(9prgmHELLO.

#include "ti83asm.inc"
#include "tokens.inc"
.org $9327

	call _CLRLCDFULL
	call _runIndicOff
	ld hl,0
	ld (CURROW),hl
	ld hl,greeting
	call _puts
	call _getkey
	call _homeUp
	ret

greeting:
	.db "Hello, world!",0

.end
