; Label errors: duplicates, length, SET, EXPORT and phase errors.
	.org 0
dup	.db 1
dup	.db 2
this_label_name_is_far_too_long_x: nop
_this_local_label_is_far_too_long: nop
nothere	.set 5
X=5
	.export missing
	.org later
early	nop
later	.equ 10h
	.org 0FFFFh
	.db 1,2
	.end
