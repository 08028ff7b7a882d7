; Literals, left-to-right evaluation and the operand quirks sources rely on.
lbl	.equ	1234h
sm	.equ	34h
	.org	8000h
	.db	12,12d,$1F,1Fh,%101,101b	; 0C 0C 1F 1F 05 05
	.db	@17,17o,17q,'A'		; 0F 0F 0F 41
	.db	19b,1e			; 0B 18
	.db	1+2*3+4			; 0D
	.db	5 - -2			; 07
	.db	-1>>4, 1<<4, 0F0h>>4	; FF 10 0F
	.db	~0, !0, !5		; FF 01 00
	.db	7%3, 7/2, -7/2		; 01 03 FD
	.db	3=3, 3==4, 3!=4, 2<3, 3>2, 3<=3, 2>=3	; 01 00 01 01 01 01 00
	.db	0F0h&3Ch, 0F0h|0Fh, 0FFh^0Fh	; 30 FF F0
	.db	2*(3+4), (1+2)*(3+4)	; 0E 15
	.db	lbl>>8, lbl&0FFh	; 12 34
	.db	2*-3			; FA
	.dw	$, *, $+2		; 26 80 26 80 28 80
	.dw	1234h*10h		; 40 23
	ld	a,-129			; 3E 7F
	ld	a,~80h			; 3E 7F
	ld	a,(lbl)			; 3A 34 12
	ld	a,(sm)+1		; 3E 35
	ld	a,(3)+1			; 3E 04
#define MEM (3+4)
	ld	a,MEM			; 3A 07 00
	ld	a , ( ix + 5 )		; DD 7E 05
	ld	b,'z'			; 06 7A
	cp	' '			; FE 20
	jr	$			; 18 FE
	ld	hl,0FFFFh		; 21 FF FF
	ld	hl,-1			; 21 FF FF
	ld	(ix-128),a		; DD 77 80
	ld	(ix+127),255		; DD 36 7F FF
	ld	(iy+1),-128		; FD 36 01 80
	.end
