; Operand and lookup errors.
	.org 0
	ld a,256
	ld hl,70000
	ld a,-129		; 3E 7F
	jr $+130
	djnz $-127
	ld a,(ix+128)
	ld (ix-129),1
	ld (ix+0),256
	bit 8,a
	set 9,(iy+1)
	im 3
	rst $28
	rst 40
	sub a,b
	add b
	ex af,af
	ex hl,de
	jp hl
	frob a
	.frob
	org 100h
	ld a,(ix+undefined)
	.end
