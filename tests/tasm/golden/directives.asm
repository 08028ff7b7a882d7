; Every code and data directive, with either prefix.
value	.equ	1234h
other	=	value+1
short	=5
count	.equ	3
count	.set	count+1
	.org	100h
start	.db	1,2,300,-1		; 01 02 2C FF
	.byte	'A',"BC",0		; 41 42 43 00
	.db				; 00
	.db	"a;b\\c\"d",';'		; 61 3B 62 5C 63 22 64 3B
	.db	"\n\r\t\b\f\101\7x"	; 0A 0D 09 08 0C 41 37 78
	.dw	value,other,-2		; 34 12 35 12 FE FF
	.word	$,$			; 1F 01 1F 01
	.msfirst
	.dw	value			; 12 34
	.lsfirst
	.dw	value			; 34 12
	.text	"Hi!"			; 48 69 21
	.block	2
	.ds	1
	.fill	3			; FF FF FF
	.fill	2,0AAh			; AA AA
	.chk	start			; 11
	#db	short,count		; 05 04
*=	200h
	.db	1			; 01
$=	202h
	.db	2			; 02
here	.org	210h
	.dw	here			; 10 02
	.echo	"echo text\n"
	.echo	value+1
	.echo	"\n"
	.module	first
_loop	.db	_loop&0FFh		; 12
	.module	second
_loop	.db	_loop&0FFh		; 13
	.locallabelchar "?"
?x	.db	?x&0FFh			; 14
	.locallabelchar "_"
	.commentchar "*"
* a comment in column 1
	.db	6			; 06
	.export	value,short
	.nolist
	.db	7			; 07
	.list
	.nocodes
	.db	8			; 08
	.codes
	.addinstr SLLA "" 37CB 2 NOP 1
	slla				; CB 37
	.addinstr FARJ * C3 3 NOP 1
	farj	1234h			; C3 34 12
	.addinstr JRX * 18 2 R1 1
	jrx	$			; 18 FE
	.end
	.db	9			; 09
