; Macros, conditionals and includes. The flags define TI83P and VAL=5.
#define twoargs(a,b) ld a,b
#define errhandoff() call 1234h
#define first 1
#define first 2
#define _hidden 9
#define .byt .db
#define rstcall(x) rst 28h \ .dw x
#define equ .equ
#define both(x,y) .db x,y
#defcont \ .db 0
	.org 0
	twoargs(b,7)		; 06 07
	errhandoff()		; CD 34 12
	.db first		; 01
	.byt VAL		; 05
	rstcall(4540h)		; EF 40 45
	both(1,2)		; 01 02 00
	.db "first"		; 66 69 72 73 74
_hidden equ 3
	.db _hidden		; 03
	.db 10 ; first
#ifdef TI83P
	.db 83h			; 83
#else
	.db 82h
#endif
#ifndef TI83P
	.db 0
#else
#ifdef VAL
	.db VAL+1		; 06
#endif
#endif
#if 2 > 3
	.db 0
#else
	.db 23h			; 23
#endif
#if NOT_A_LABEL
	.db 11h			; 11
#endif
#if first - 1
	.db 12h			; 12
#endif
#ifdef later
	.db 0
#endif
#define later
#ifdef later
	.db 13h			; 13
#endif
#define gone 1
#undef gone
#ifdef gone
	.db 0
#endif
	.include "inc/small.inc"
	.db small		; 44
	.end
