; z80 io cpu: every operand form, expected bytes beside each line
	.org 9327h
	in a,(0FEh)           ; DB FE
	out (0FEh),a          ; D3 FE
	in b,(c)              ; ED 40
	out (c),b             ; ED 41
	in c,(c)              ; ED 48
	out (c),c             ; ED 49
	in d,(c)              ; ED 50
	out (c),d             ; ED 51
	in e,(c)              ; ED 58
	out (c),e             ; ED 59
	in h,(c)              ; ED 60
	out (c),h             ; ED 61
	in l,(c)              ; ED 68
	out (c),l             ; ED 69
	in a,(c)              ; ED 78
	out (c),a             ; ED 79
	ini                   ; ED A2
	inir                  ; ED B2
	ind                   ; ED AA
	indr                  ; ED BA
	outi                  ; ED A3
	otir                  ; ED B3
	outd                  ; ED AB
	otdr                  ; ED BB
	nop                   ; 00
	halt                  ; 76
	di                    ; F3
	ei                    ; FB
	im 0                  ; ED 46
	im 1                  ; ED 56
	im 2                  ; ED 5E
	.end
