ship: .db $18, $3C
.db $7E ; nose
.byte 255
