; Blanks inside the numbers and expressions of directive operands count for
; nothing, as in instruction operands; sprite tables written for TASM rely on it.
; Inside strings and character constants they stay.
	.org 9327h
	.db 1111 1111b				; FF
	.dw 1000 0000 0000 0000b		; 00 80
sprite:	.DB 0000 0000b, 0111 1110b, 1000 0001b	; 00 7E 81
	.db % 1010 0101, 1 + 2 * 3		; A5 09
	.db ' ', " a b", 'x' + 1		; 20 20 61 20 62 79
	ld a,1111 0000b				; 3E F0
width	.equ 1 6
	.db width, sprite - 9 3 2 7h		; 10 03
	.fill 2 , 0 0 1b			; 01 01
#if width - 1 6
	.db 0EEh				; the condition is false
#endif
	.end
