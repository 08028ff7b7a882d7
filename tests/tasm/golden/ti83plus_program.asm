; One source for two calculators; the flags define TI83P.
#ifdef TI83P
#include "ti83plus.inc"
	.org 9D93h
	.db t2ByteTok,tAsmCmp	; BB 6D
#else
#define bcall(label) call label
	.org 9327h
#endif
	bcall(_ClrLCDFull)	; EF 40 45
	bcall( _HomeUp )	; EF 58 45
	B_CALL _PutS		; EF 0A 45
	b_call _PutS		; EF 0A 45
	set textInverse,(iy+textFlags)	; FD CB 05 DE
	bjump(_HomeUp)		; CD 50 00 58 45
	ld hl,msg		; 21 B0 9D
	jr nc,start		; 30 00
start:	ret			; C9
msg:	.db "Title",0		; 54 69 74 6C 65 00
	.end
