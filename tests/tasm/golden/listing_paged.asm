; Paging every 10 lines, a title, expanded macro lines and a hex dump.
	.title "Paged listing"
#define twice(x) .db x \ .db x
	.org 0
	twice(1)
	twice(2)
	nop \ nop \ nop
	.db 1,2,3,4,5,6,7,8,9
	.eject
	.db 0AAh
label1	.equ 1
label2	.equ 2
	.end
