; DOS line ends and a Ctrl-Z end-of-file mark.
	.org 0
	ld a,1		; 3E 01
	.end
garbage after the DOS end of file
