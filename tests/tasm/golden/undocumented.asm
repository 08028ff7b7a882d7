; Undocumented instructions, accepted with -u.
	.org 0
	sll b			; CB 30
	sll (hl)		; CB 36
	sll a			; CB 37
	sl1 c			; CB 31
	sll (ix+2)		; DD CB 02 36
	sll (iy-2)		; FD CB FE 36
	ld a,ixh		; DD 7C
	ld b,ixl		; DD 45
	ld ixh,c		; DD 61
	ld iyl,a		; FD 6F
	ld ixh,ixl		; DD 65
	ld iyl,iyh		; FD 6C
	ld ixl,12h		; DD 2E 12
	ld iyh,34h		; FD 26 34
	add a,ixh		; DD 84
	adc a,iyl		; FD 8D
	sub iyl			; FD 95
	sbc a,ixl		; DD 9D
	and iyh			; FD A4
	xor ixh			; DD AC
	or iyl			; FD B5
	cp ixl			; DD BD
	inc ixh			; DD 24
	dec iyl			; FD 2D
	in (c)			; ED 70
	in f,(c)		; ED 70
	out (c),0		; ED 71
	.end
