; z80 arith: every operand form, expected bytes beside each line
	.org 9327h
	add a,b               ; 80
	add a,c               ; 81
	add a,d               ; 82
	add a,e               ; 83
	add a,h               ; 84
	add a,l               ; 85
	add a,(hl)            ; 86
	add a,a               ; 87
	add a,12h             ; C6 12
	add a,(ix+5)          ; DD 86 05
	add a,(iy-2)          ; FD 86 FE
	adc a,b               ; 88
	adc a,c               ; 89
	adc a,d               ; 8A
	adc a,e               ; 8B
	adc a,h               ; 8C
	adc a,l               ; 8D
	adc a,(hl)            ; 8E
	adc a,a               ; 8F
	adc a,12h             ; CE 12
	adc a,(ix+5)          ; DD 8E 05
	adc a,(iy-2)          ; FD 8E FE
	sub b                 ; 90
	sub c                 ; 91
	sub d                 ; 92
	sub e                 ; 93
	sub h                 ; 94
	sub l                 ; 95
	sub (hl)              ; 96
	sub a                 ; 97
	sub 12h               ; D6 12
	sub (ix+5)            ; DD 96 05
	sub (iy-2)            ; FD 96 FE
	sbc a,b               ; 98
	sbc a,c               ; 99
	sbc a,d               ; 9A
	sbc a,e               ; 9B
	sbc a,h               ; 9C
	sbc a,l               ; 9D
	sbc a,(hl)            ; 9E
	sbc a,a               ; 9F
	sbc a,12h             ; DE 12
	sbc a,(ix+5)          ; DD 9E 05
	sbc a,(iy-2)          ; FD 9E FE
	and b                 ; A0
	and c                 ; A1
	and d                 ; A2
	and e                 ; A3
	and h                 ; A4
	and l                 ; A5
	and (hl)              ; A6
	and a                 ; A7
	and 12h               ; E6 12
	and (ix+5)            ; DD A6 05
	and (iy-2)            ; FD A6 FE
	xor b                 ; A8
	xor c                 ; A9
	xor d                 ; AA
	xor e                 ; AB
	xor h                 ; AC
	xor l                 ; AD
	xor (hl)              ; AE
	xor a                 ; AF
	xor 12h               ; EE 12
	xor (ix+5)            ; DD AE 05
	xor (iy-2)            ; FD AE FE
	or b                  ; B0
	or c                  ; B1
	or d                  ; B2
	or e                  ; B3
	or h                  ; B4
	or l                  ; B5
	or (hl)               ; B6
	or a                  ; B7
	or 12h                ; F6 12
	or (ix+5)             ; DD B6 05
	or (iy-2)             ; FD B6 FE
	cp b                  ; B8
	cp c                  ; B9
	cp d                  ; BA
	cp e                  ; BB
	cp h                  ; BC
	cp l                  ; BD
	cp (hl)               ; BE
	cp a                  ; BF
	cp 12h                ; FE 12
	cp (ix+5)             ; DD BE 05
	cp (iy-2)             ; FD BE FE
	inc b                 ; 04
	dec b                 ; 05
	inc c                 ; 0C
	dec c                 ; 0D
	inc d                 ; 14
	dec d                 ; 15
	inc e                 ; 1C
	dec e                 ; 1D
	inc h                 ; 24
	dec h                 ; 25
	inc l                 ; 2C
	dec l                 ; 2D
	inc (hl)              ; 34
	dec (hl)              ; 35
	inc a                 ; 3C
	dec a                 ; 3D
	inc (ix+5)            ; DD 34 05
	dec (ix+5)            ; DD 35 05
	inc (iy-1)            ; FD 34 FF
	dec (iy-1)            ; FD 35 FF
	add hl,bc             ; 09
	adc hl,bc             ; ED 4A
	sbc hl,bc             ; ED 42
	inc bc                ; 03
	dec bc                ; 0B
	add hl,de             ; 19
	adc hl,de             ; ED 5A
	sbc hl,de             ; ED 52
	inc de                ; 13
	dec de                ; 1B
	add hl,hl             ; 29
	adc hl,hl             ; ED 6A
	sbc hl,hl             ; ED 62
	inc hl                ; 23
	dec hl                ; 2B
	add hl,sp             ; 39
	adc hl,sp             ; ED 7A
	sbc hl,sp             ; ED 72
	inc sp                ; 33
	dec sp                ; 3B
	add ix,bc             ; DD 09
	add ix,de             ; DD 19
	add ix,ix             ; DD 29
	add ix,sp             ; DD 39
	inc ix                ; DD 23
	dec ix                ; DD 2B
	add iy,bc             ; FD 09
	add iy,de             ; FD 19
	add iy,iy             ; FD 29
	add iy,sp             ; FD 39
	inc iy                ; FD 23
	dec iy                ; FD 2B
	daa                   ; 27
	cpl                   ; 2F
	neg                   ; ED 44
	ccf                   ; 3F
	scf                   ; 37
	.end
