; TI-82 shell program, assembled the way old batch files did it. TEXT_START uses
; ROM_CALL, which only the include file below defines.
#DEFINE TEXT_START(row,col) LD HL,row*256+col \ LD (CURSOR_ROW),HL \ ROM_CALL(D_ZT_STR)
#INCLUDE "ti82.inc"
.NOLIST
; nothing here reaches the listing
.LIST
	.ORG START_ADDR
	.DB "Ash demo",0	; 41 73 68 20 64 65 6D 6F 00
	ROM_CALL(CLEARLCD)	; CD 74 8D 9A 38
	LD HL,text		; 21 21 91
	TEXT_START(2,3)		; 21 03 02 22 0C 80 CD 74 8D FA 38
	RET			; C9
text:	.DB "Hi",0		; 48 69 00
	.END
