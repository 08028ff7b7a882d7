; The default object is Intel hex, with a new record at every gap.
	.org 9327h
	.db 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26
	.org 9400h
	ld hl,1234h
	.end
