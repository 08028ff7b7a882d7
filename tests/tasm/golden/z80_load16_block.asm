; z80 load16 block: every operand form, expected bytes beside each line
	.org 9327h
	ld bc,1234h           ; 01 34 12
	ld de,1234h           ; 11 34 12
	ld hl,1234h           ; 21 34 12
	ld sp,1234h           ; 31 34 12
	ld ix,1234h           ; DD 21 34 12
	ld iy,1234h           ; FD 21 34 12
	ld bc,(5678h)         ; ED 4B 78 56
	ld de,(5678h)         ; ED 5B 78 56
	ld hl,(5678h)         ; 2A 78 56
	ld sp,(5678h)         ; ED 7B 78 56
	ld ix,(5678h)         ; DD 2A 78 56
	ld iy,(5678h)         ; FD 2A 78 56
	ld (5678h),bc         ; ED 43 78 56
	ld (5678h),de         ; ED 53 78 56
	ld (5678h),hl         ; 22 78 56
	ld (5678h),sp         ; ED 73 78 56
	ld (5678h),ix         ; DD 22 78 56
	ld (5678h),iy         ; FD 22 78 56
	ld sp,hl              ; F9
	ld sp,ix              ; DD F9
	ld sp,iy              ; FD F9
	push bc               ; C5
	pop bc                ; C1
	push de               ; D5
	pop de                ; D1
	push hl               ; E5
	pop hl                ; E1
	push af               ; F5
	pop af                ; F1
	push ix               ; DD E5
	pop ix                ; DD E1
	push iy               ; FD E5
	pop iy                ; FD E1
	ex de,hl              ; EB
	ex af,af'             ; 08
	ex (sp),hl            ; E3
	ex (sp),ix            ; DD E3
	ex (sp),iy            ; FD E3
	exx                   ; D9
	ldi                   ; ED A0
	ldir                  ; ED B0
	ldd                   ; ED A8
	lddr                  ; ED B8
	cpi                   ; ED A1
	cpir                  ; ED B1
	cpd                   ; ED A9
	cpdr                  ; ED B9
	.end
