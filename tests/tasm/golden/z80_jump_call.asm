; z80 jump call: every operand form, expected bytes beside each line
	.org 9327h
	jp 1234h              ; C3 34 12
	jp nz,1234h           ; C2 34 12
	jp z,1234h            ; CA 34 12
	jp nc,1234h           ; D2 34 12
	jp c,1234h            ; DA 34 12
	jp po,1234h           ; E2 34 12
	jp pe,1234h           ; EA 34 12
	jp p,1234h            ; F2 34 12
	jp m,1234h            ; FA 34 12
	jp (hl)               ; E9
	jp (ix)               ; DD E9
	jp (iy)               ; FD E9
	jr $+5                ; 18 03
	jr $-126              ; 18 80
	jr $+129              ; 18 7F
	jr nz,$               ; 20 FE
	jr z,$                ; 28 FE
	jr nc,$               ; 30 FE
	jr c,$                ; 38 FE
	djnz $                ; 10 FE
	djnz $+10             ; 10 08
	call 1234h            ; CD 34 12
	call nz,1234h         ; C4 34 12
	call z,1234h          ; CC 34 12
	call nc,1234h         ; D4 34 12
	call c,1234h          ; DC 34 12
	call po,1234h         ; E4 34 12
	call pe,1234h         ; EC 34 12
	call p,1234h          ; F4 34 12
	call m,1234h          ; FC 34 12
	ret                   ; C9
	ret nz                ; C0
	ret z                 ; C8
	ret nc                ; D0
	ret c                 ; D8
	ret po                ; E0
	ret pe                ; E8
	ret p                 ; F0
	ret m                 ; F8
	reti                  ; ED 4D
	retn                  ; ED 45
	rst 00h               ; C7
	rst 08h               ; CF
	rst 10h               ; D7
	rst 18h               ; DF
	rst 20h               ; E7
	rst 28h               ; EF
	rst 30h               ; F7
	rst 38h               ; FF
	.end
