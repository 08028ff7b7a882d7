; The HD64180 additions, enabled with -x.
	.org 0
	mlt bc			; ED 4C
	mlt de			; ED 5C
	mlt hl			; ED 6C
	mlt sp			; ED 7C
	tst b			; ED 04
	tst (hl)		; ED 34
	tst a			; ED 3C
	tst 0Fh			; ED 64 0F
	in0 a,(3Fh)		; ED 38 3F
	in0 b,(10h)		; ED 00 10
	out0 (3Fh),b		; ED 01 3F
	out0 (20h),a		; ED 39 20
	tstio 80h		; ED 74 80
	slp			; ED 76
	otim			; ED 83
	otimr			; ED 93
	otdm			; ED 8B
	otdmr			; ED 9B
	.end
