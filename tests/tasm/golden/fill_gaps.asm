; A binary image from the lowest to the highest written byte; gaps take the -f byte.
	.org 10h
first	.equ $
	.db 1
	.block 3
	.db 2
	.org 20h
second:
	.db 3
	.block 10
	.end
