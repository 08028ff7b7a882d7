; Sprite data for s
s:
s_0_0:
.db $80, 0FFh
.db %10000000, 10b
s_1_0:
.db 128
.db 0
