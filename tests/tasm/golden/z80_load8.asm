; z80 load8: every operand form, expected bytes beside each line
	.org 9327h
	ld b,b                ; 40
	ld b,c                ; 41
	ld b,d                ; 42
	ld b,e                ; 43
	ld b,h                ; 44
	ld b,l                ; 45
	ld b,(hl)             ; 46
	ld b,a                ; 47
	ld c,b                ; 48
	ld c,c                ; 49
	ld c,d                ; 4A
	ld c,e                ; 4B
	ld c,h                ; 4C
	ld c,l                ; 4D
	ld c,(hl)             ; 4E
	ld c,a                ; 4F
	ld d,b                ; 50
	ld d,c                ; 51
	ld d,d                ; 52
	ld d,e                ; 53
	ld d,h                ; 54
	ld d,l                ; 55
	ld d,(hl)             ; 56
	ld d,a                ; 57
	ld e,b                ; 58
	ld e,c                ; 59
	ld e,d                ; 5A
	ld e,e                ; 5B
	ld e,h                ; 5C
	ld e,l                ; 5D
	ld e,(hl)             ; 5E
	ld e,a                ; 5F
	ld h,b                ; 60
	ld h,c                ; 61
	ld h,d                ; 62
	ld h,e                ; 63
	ld h,h                ; 64
	ld h,l                ; 65
	ld h,(hl)             ; 66
	ld h,a                ; 67
	ld l,b                ; 68
	ld l,c                ; 69
	ld l,d                ; 6A
	ld l,e                ; 6B
	ld l,h                ; 6C
	ld l,l                ; 6D
	ld l,(hl)             ; 6E
	ld l,a                ; 6F
	ld (hl),b             ; 70
	ld (hl),c             ; 71
	ld (hl),d             ; 72
	ld (hl),e             ; 73
	ld (hl),h             ; 74
	ld (hl),l             ; 75
	ld (hl),a             ; 77
	ld a,b                ; 78
	ld a,c                ; 79
	ld a,d                ; 7A
	ld a,e                ; 7B
	ld a,h                ; 7C
	ld a,l                ; 7D
	ld a,(hl)             ; 7E
	ld a,a                ; 7F
	ld b,12h              ; 06 12
	ld c,12h              ; 0E 12
	ld d,12h              ; 16 12
	ld e,12h              ; 1E 12
	ld h,12h              ; 26 12
	ld l,12h              ; 2E 12
	ld (hl),12h           ; 36 12
	ld a,12h              ; 3E 12
	ld a,(bc)             ; 0A
	ld a,(de)             ; 1A
	ld a,(1234h)          ; 3A 34 12
	ld (bc),a             ; 02
	ld (de),a             ; 12
	ld (1234h),a          ; 32 34 12
	ld a,i                ; ED 57
	ld a,r                ; ED 5F
	ld i,a                ; ED 47
	ld r,a                ; ED 4F
	ld b,(ix+5)           ; DD 46 05
	ld c,(ix+5)           ; DD 4E 05
	ld d,(ix+5)           ; DD 56 05
	ld e,(ix+5)           ; DD 5E 05
	ld h,(ix+5)           ; DD 66 05
	ld l,(ix+5)           ; DD 6E 05
	ld a,(ix+5)           ; DD 7E 05
	ld (ix-3),b           ; DD 70 FD
	ld (ix-3),c           ; DD 71 FD
	ld (ix-3),d           ; DD 72 FD
	ld (ix-3),e           ; DD 73 FD
	ld (ix-3),h           ; DD 74 FD
	ld (ix-3),l           ; DD 75 FD
	ld (ix-3),a           ; DD 77 FD
	ld (ix+7fh),0ABh      ; DD 36 7F AB
	ld a,(ix)             ; DD 7E 00
	ld (ix),b             ; DD 70 00
	ld (ix-128),-1        ; DD 36 80 FF
	ld b,(iy+5)           ; FD 46 05
	ld c,(iy+5)           ; FD 4E 05
	ld d,(iy+5)           ; FD 56 05
	ld e,(iy+5)           ; FD 5E 05
	ld h,(iy+5)           ; FD 66 05
	ld l,(iy+5)           ; FD 6E 05
	ld a,(iy+5)           ; FD 7E 05
	ld (iy-3),b           ; FD 70 FD
	ld (iy-3),c           ; FD 71 FD
	ld (iy-3),d           ; FD 72 FD
	ld (iy-3),e           ; FD 73 FD
	ld (iy-3),h           ; FD 74 FD
	ld (iy-3),l           ; FD 75 FD
	ld (iy-3),a           ; FD 77 FD
	ld (iy+7fh),0ABh      ; FD 36 7F AB
	ld a,(iy)             ; FD 7E 00
	ld (iy),b             ; FD 70 00
	ld (iy-128),-1        ; FD 36 80 FF
	.end
