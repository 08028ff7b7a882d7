; Without -u the undocumented forms are errors, as in the old table.
	.org 0
	sll a
	ld a,ixh
	out (c),0
	in (c)
	.end
