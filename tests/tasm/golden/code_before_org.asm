; A byte before the first .org lands at address 0, so the image starts there.
	.db 1
	.org 8
	.db 2
	.end
