; The strict checks of -a: every bit on.
	.org 0
	ld b,(5)
	jp (1234h)
	ld a,%101
	ld a,(20h)		; 3A 20 00
dup	nop
dup	nop
	ld a,256
	.end
