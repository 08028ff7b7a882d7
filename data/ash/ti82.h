; ti82.h: the TI-82 under Ash 3.0.
;
; An Ash program starts at START_ADDR with its title, which the shell shows
; in its menu:
;         .org START_ADDR
;         .db "Program Title",0
; ROM routines are reached through the shell: ROM_CALL(CLEARLCD). The ROM
; addresses differ between ROM versions, the shell maps them. Routines listed
; under "called directly" are plain calls. Key names for GET_KEY are in
; keys.inc.
	.nolist

START_ADDR		.equ	$9104	; where Ash runs a program

; ---- ROM routines: call them through the shell with ROM_CALL(name) -----
CLEARLCD		.equ	$389A
CLEARTEXT_F		.equ	$37A4
CLEARTEXT_W		.equ	$37B0
CLEAR_DISP		.equ	$38CA
BACKUP_DISP		.equ	$39C6
RESTOR_DISP		.equ	$38DC
DISP_GRAPH		.equ	$38AC
D_HL_DECI		.equ	$387C
D_LM_STR		.equ	$37DA
D_LT_STR		.equ	$373E
D_ZM_STR		.equ	$37D4
D_ZT_STR		.equ	$38FA
M_CHARPUT		.equ	$37CE
TR_CHARPUT		.equ	$3738
TX_CHARPUT		.equ	$39D2
KEY_HAND		.equ	$3924
LAST_LINE		.equ	$3774
NEXT_LINE		.equ	$377A
SCROLL_UP		.equ	$3786
UP_TEXT			.equ	$37F2
GET_T_CUR		.equ	$37C8
BUSY_OFF		.equ	$3918
BUSY_ON			.equ	$3930
DONE			.equ	$386A
_GRBUFCPY		.equ	$38AC	; same as DISP_GRAPH
_GET_KEY		.equ	$3924	; same as KEY_HAND

; ---- Routines called directly with "call" -----------------------------
LD_HL_MHL		.equ	$0033
CP_HL_DE		.equ	$0095
UNPACK_HL		.equ	$00A1
STORE_KEY		.equ	$01C7
GET_KEY			.equ	$01D4
DISP_DELAY		.equ	$07F3
BOSS_FUNC		.equ	$0213
FIND_PIXEL		.equ	$4166	; needs ROM page 4 mapped
DIV_HL_A		.equ	$00A3
KEY_READ		.equ	$01B8

; ---- RAM ---------------------------------------------------------------
KEY_0			.equ	$8000
KEY_1			.equ	$8001
KEY_2			.equ	$8002
KEY_STAT		.equ	$8004
LAST_KEY		.equ	$8006
CONTRAST		.equ	$8008
CURSOR_POS		.equ	$800C
CURSOR_ROW		.equ	$800C
CURSOR_COL		.equ	$800D
BUSY_COUNTER		.equ	$8026
BUSY_BITMAP		.equ	$8027
OP1			.equ	$8028
OP2			.equ	$8033
OP3			.equ	$803E
OP4			.equ	$8049
OP5			.equ	$8054
OP6			.equ	$805F
TEXT_MEM		.equ	$808F
CURSOR_X		.equ	$8215
CURSOR_Y		.equ	$8216
APD_BUF			.equ	$8228
_IY_TABLE		.equ	$8528
GRAPH_MEM		.equ	$88B8
TEXT_MEM2		.equ	$8BDF
WIN_START		.equ	$8C8F
WIN_END			.equ	$8C90
VAT_START		.equ	$FE6E
GRAF_CURS		.equ	$8215
OS_VER			.equ	$8D5D
OS_BITS			.equ	$8D5E
OS82_VER		.equ	$8D5F

; ---- I/O ports -----------------------------------------------------------
P_LINK			.equ	$00
P_KEYBOARD		.equ	$01
P_ROM			.equ	$02
P_STATUS		.equ	$03
P_INT			.equ	$04
P_LCD_CON		.equ	$10
P_LCD_DATA		.equ	$11

; ---- Macros ----------------------------------------------------------------
; ROM_CALL(name): the shell's handler at $8D74 reads the routine's address from
; the two bytes after the call, so every ROM call takes 5 bytes.
#define ROM_CALL(index) call $8D74 \ .dw index
; TEXT_START clears the screen for text output and homes the cursor; TEXT_END
; undoes its flag changes before the program returns.
#define TEXT_START res 1,(iy+0Dh) \ res 2,(iy+0Dh) \ ROM_CALL(CLEAR_DISP) \ ld hl,0 \ ld (CURSOR_POS),hl
#define TEXT_END set 2,(iy+0Dh) \ set 1,(iy+0Dh)
; BOSS_OUT leaves at once through the boss routine with an empty screen
; (BOOS_OUT is the spelling older sources use).
#define BOSS_OUT ROM_CALL(UP_TEXT) \ ld hl,0 \ ld (CURSOR_POS),hl \ ROM_CALL(CLEARLCD) \ jp BOSS_FUNC
#define BOOS_OUT BOSS_OUT

	.list
