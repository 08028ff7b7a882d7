; Progname:HELLO
; Hello world for CrASH 1.3 on the TI-82: prints a greeting and waits
; for a key. crash82.inc sets the origin, so the title comes right after it.

#include "crash82.inc"

.db "Hello World",0

	ROM_CALL(CLEARLCD)
	ld hl,0
	ld (CURSOR_POS),hl
	ld hl,greeting
	ROM_CALL(D_ZT_STR)
	call CR_KHAND
	ret

greeting:
	.db "Hello, world!",0

.end
