; Expression errors, one per line.
	.org 0
	.db undefined_label
	.db 3#4
	.db /2
	.db "abc"+1
	ld a,"A"
	cp ';'
	ld a,'AB'
	.db (1+2
	.db 1+2)
	.db 5/0
	.db 5%0
	.db 0x10
early	.equ	later+1
later	.equ	2
	.dw early		; 03 00
	.end
