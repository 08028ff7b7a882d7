; Progname: HELLO
.NOLIST
#define equ .equ
#define EQU .equ
#define end .end
#include TI83ASM.INC
.LIST
	.org 9327h
	call _clrLCDFull		; CD 55 47
	ld hl,0			; 21 00 00
	ld (curRow),hl		; 22 0C 80
	set textInverse,(iy+textflags)	; FD CB 05 DE
	ld hl,hello		; 21 53 93
	call _puts		; CD 0D 47
	res textInverse,(iy+textflags)	; FD CB 05 9E
	bit 0,(iy+13)		; FD CB 0D 46
	res 1,(iy+0Dh)		; FD CB 0D 8E
	ld a,(ix)		; DD 7E 00
	call _getkey		; CD FE 4C
	ld hl,scrMask		; 21 6E FE
	ld de,table		; 11 61 93
	ret			; C9
hello:	.db "Hello, World!",0	; 48 65 6C 6C 6F 2C 20 57 6F 72 6C 64 21 00
table	.dw hello,sprite,table	; 53 93 67 93 61 93
sprite:	.db %01111110,10000001b	; 7E 81
	.db $FF,0FFh,%00000000	; FF FF 00
	.db "it's; a \"test\"",0
lab3:ld c,3			; 0E 03
	end
END
#include "more.z80"
