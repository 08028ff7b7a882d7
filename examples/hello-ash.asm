; Progname:HELLO
; Hello world for Ash 3.0 on the TI-82: prints a greeting and waits
; for a key. Run it from the Ash menu, where it shows as "Hello World".

#include "ti82.h"
#include "keys.inc"
.org START_ADDR

.db "Hello World",0

	ROM_CALL(CLEARLCD)
	ld hl,0
	ld (CURSOR_POS),hl
	ld hl,greeting
	ROM_CALL(D_ZT_STR)
wait_key:
	call GET_KEY
	cp G_NONE
	jr z,wait_key
	ret

greeting:
	.db "Hello, world!",0

.end
