; every operation of ZP200 in syntax V1, in the forms the assembler takes
; (made once from the assembler's tables; each form kept only where
; the assembler accepts it)
        .data
dat:    .long 1, 2, 3
small:  .byte 7
        .comm cm, 8, 4
        .text
P0:
        getl 1
        getl 2
        rdb @1
        getl 1
        getl 2
        rdb #3
        getl 1
        getl 2
        rdb #48
        complete
P1:
        getl 1
        getl 2
        rds #8
        getl 1
        getl 2
        rds dat
        getl 1
        getl 2
        rds dat+4
        complete
P2:
        getl 1
        getl 2
        rdl 0x100
        getl 1
        getl 2
        rdl ext
        getl 1
        getl 2
        rdl cm
        complete
P3:
        getl 1
        getl 2
        rdq @1
        getl 1
        getl 2
        rdq #8, 4
        getl 1
        getl 2
        rdq #9, dat
        complete
P4:
        getl 1
        getl 2
        rdps #3
        getl 1
        getl 2
        rdps #48
        getl 1
        getl 2
        rdps #8
        complete
P5:
        getl 1
        getl 2
        rdpss dat
        getl 1
        getl 2
        rdpss dat+4
        getl 1
        getl 2
        rdpss 0x100
        complete
P6:
        getl 1
        getl 2
        rdpl ext
        getl 1
        getl 2
        rdpl cm
        getl 1
        getl 2
        rdpl #8, 4
        complete
P7:
        getl 1
        getl 2
        rdpsl @1
        getl 1
        getl 2
        rdpsl #3
        getl 1
        getl 2
        rdpsl #9, dat
        complete
P8:
        getl 1
        getl 2
        rdsb #48
        getl 1
        getl 2
        rdsb #8
        getl 1
        getl 2
        rdsb dat
        complete
P9:
        getl 1
        getl 2
        rdss dat+4
        getl 1
        getl 2
        rdss 0x100
        getl 1
        getl 2
        rdss ext
        complete
P10:
        getl 1
        getl 2
        rdsl cm
        getl 1
        getl 2
        rdsl #8, 4
        getl 1
        getl 2
        rdsl #9, dat
        complete
P11:
        getl 1
        getl 2
        rdsq @1
        getl 1
        getl 2
        rdsq #3
        getl 1
        getl 2
        rdsq #48
        complete
P12:
        getl 1
        getl 2
        rdf #8
        getl 1
        getl 2
        rdf dat
        getl 1
        getl 2
        rdf dat+4
        complete
P13:
        getl 1
        getl 2
        rdd 0x100
        getl 1
        getl 2
        rdd ext
        getl 1
        getl 2
        rdd cm
        complete
P14:
        getl 1
        getl 2
        rdp @1
        getl 1
        getl 2
        rdp #8, 4
        getl 1
        getl 2
        rdp #9, dat
        complete
P15:
        getl 1
        getl 2
        rdc #3
        getl 1
        getl 2
        rdc #48
        getl 1
        getl 2
        rdc #8
        complete
P16:
        getl 1
        getl 2
        wrb @1, @1
        getl 1
        getl 2
        wrb @1, #3
        getl 1
        getl 2
        wrb @1, #48
        complete
P17:
        getl 1
        getl 2
        wrs @1, #8
        getl 1
        getl 2
        wrs @1, dat
        getl 1
        getl 2
        wrs @1, dat+4
        complete
P18:
        getl 1
        getl 2
        wrl @1, 0x100
        getl 1
        getl 2
        wrl @1, ext
        getl 1
        getl 2
        wrl @1, cm
        complete
P19:
        getl 1
        getl 2
        wrq @1, #8, 4
        getl 1
        getl 2
        wrq @1, #9, dat
        getl 1
        getl 2
        wrq @2, @1
        complete
P20:
        getl 1
        getl 2
        wrps @1, @1
        getl 1
        getl 2
        wrps @1, #3
        getl 1
        getl 2
        wrps @2, #3
        complete
P21:
        getl 1
        getl 2
        wrpss @1, #48
        getl 1
        getl 2
        wrpss @1, #8
        getl 1
        getl 2
        wrpss @1, dat
        complete
P22:
        getl 1
        getl 2
        wrpl @1, dat+4
        getl 1
        getl 2
        wrpl @1, 0x100
        getl 1
        getl 2
        wrpl @1, ext
        complete
P23:
        getl 1
        getl 2
        wrpsl @1, cm
        getl 1
        getl 2
        wrpsl @1, #8, 4
        getl 1
        getl 2
        wrpsl @1, #9, dat
        complete
P24:
        getl 1
        getl 2
        wrsb @1, @1
        getl 1
        getl 2
        wrsb @2, @1
        getl 1
        getl 2
        wrsb @2, #3
        complete
P25:
        getl 1
        getl 2
        wrss @1, #3
        getl 1
        getl 2
        wrss @1, #48
        getl 1
        getl 2
        wrss @1, #8
        complete
P26:
        getl 1
        getl 2
        wrsl @1, dat
        getl 1
        getl 2
        wrsl @1, dat+4
        getl 1
        getl 2
        wrsl @1, 0x100
        complete
P27:
        getl 1
        getl 2
        wrsq @1, ext
        getl 1
        getl 2
        wrsq @1, cm
        getl 1
        getl 2
        wrsq @1, #8, 4
        complete
P28:
        getl 1
        getl 2
        wrf @1, #9, dat
        getl 1
        getl 2
        wrf @2, @1
        getl 1
        getl 2
        wrf @2, #3
        complete
P29:
        getl 1
        getl 2
        wrd @1, @1
        getl 1
        getl 2
        wrd @1, #3
        getl 1
        getl 2
        wrd @1, #48
        complete
P30:
        getl 1
        getl 2
        wrp @1, #8
        getl 1
        getl 2
        wrp @1, dat
        getl 1
        getl 2
        wrp @1, dat+4
        complete
P31:
        getl 1
        getl 2
        wrc @1, 0x100
        getl 1
        getl 2
        wrc @1, ext
        getl 1
        getl 2
        wrc @1, cm
        complete
P32:
        getl 1
        getl 2
        rddb dat
        getl 1
        getl 2
        rddb dat+4
        getl 1
        getl 2
        rddb 0x100
        complete
P33:
        getl 1
        getl 2
        rdds ext
        getl 1
        getl 2
        rdds cm
        getl 1
        getl 2
        rdds #8, 4
        complete
P34:
        getl 1
        getl 2
        rddl @1
        getl 1
        getl 2
        rddl #8
        getl 1
        getl 2
        rddl #9, dat
        complete
P35:
        getl 1
        getl 2
        rddq dat
        getl 1
        getl 2
        rddq dat+4
        getl 1
        getl 2
        rddq 0x100
        complete
P36:
        getl 1
        getl 2
        rddps ext
        getl 1
        getl 2
        rddps cm
        getl 1
        getl 2
        rddps #8, 4
        complete
P37:
        getl 1
        getl 2
        rddpss @1
        getl 1
        getl 2
        rddpss #8
        getl 1
        getl 2
        rddpss #9, dat
        complete
P38:
        getl 1
        getl 2
        rddpl dat
        getl 1
        getl 2
        rddpl dat+4
        getl 1
        getl 2
        rddpl 0x100
        complete
P39:
        getl 1
        getl 2
        rddpsl ext
        getl 1
        getl 2
        rddpsl cm
        getl 1
        getl 2
        rddpsl #8, 4
        complete
P40:
        getl 1
        getl 2
        rddsb @1
        getl 1
        getl 2
        rddsb #8
        getl 1
        getl 2
        rddsb #9, dat
        complete
P41:
        getl 1
        getl 2
        rddss dat
        getl 1
        getl 2
        rddss dat+4
        getl 1
        getl 2
        rddss 0x100
        complete
P42:
        getl 1
        getl 2
        rddsl ext
        getl 1
        getl 2
        rddsl cm
        getl 1
        getl 2
        rddsl #8, 4
        complete
P43:
        getl 1
        getl 2
        rddsq @1
        getl 1
        getl 2
        rddsq #8
        getl 1
        getl 2
        rddsq #9, dat
        complete
P44:
        getl 1
        getl 2
        rddf dat
        getl 1
        getl 2
        rddf dat+4
        getl 1
        getl 2
        rddf 0x100
        complete
P45:
        getl 1
        getl 2
        rddd ext
        getl 1
        getl 2
        rddd cm
        getl 1
        getl 2
        rddd #8, 4
        complete
P46:
        getl 1
        getl 2
        rddp @1
        getl 1
        getl 2
        rddp #8
        getl 1
        getl 2
        rddp #9, dat
        complete
P47:
        getl 1
        getl 2
        rddc dat
        getl 1
        getl 2
        rddc dat+4
        getl 1
        getl 2
        rddc 0x100
        complete
P48:
        getl 1
        getl 2
        wrdb @1, #8, 4
        getl 1
        getl 2
        wrdb @1, #9, dat
        getl 1
        getl 2
        wrdb @2, @1
        complete
P49:
        getl 1
        getl 2
        wrds @1, @1
        getl 1
        getl 2
        wrds @1, #8
        getl 1
        getl 2
        wrds @1, dat
        complete
P50:
        getl 1
        getl 2
        wrdl @1, dat+4
        getl 1
        getl 2
        wrdl @1, 0x100
        getl 1
        getl 2
        wrdl @1, ext
        complete
P51:
        getl 1
        getl 2
        wrdq @1, cm
        getl 1
        getl 2
        wrdq @1, #8, 4
        getl 1
        getl 2
        wrdq @1, #9, dat
        complete
P52:
        getl 1
        getl 2
        wrdps @1, @1
        getl 1
        getl 2
        wrdps @1, #8
        getl 1
        getl 2
        wrdps @2, @1
        complete
P53:
        getl 1
        getl 2
        wrdpss @1, dat
        getl 1
        getl 2
        wrdpss @1, dat+4
        getl 1
        getl 2
        wrdpss @1, 0x100
        complete
P54:
        getl 1
        getl 2
        wrdpl @1, ext
        getl 1
        getl 2
        wrdpl @1, cm
        getl 1
        getl 2
        wrdpl @1, #8, 4
        complete
P55:
        getl 1
        getl 2
        wrdpsl @1, @1
        getl 1
        getl 2
        wrdpsl @1, #9, dat
        getl 1
        getl 2
        wrdpsl @2, @1
        complete
P56:
        getl 1
        getl 2
        wrdsb @1, #8
        getl 1
        getl 2
        wrdsb @1, dat
        getl 1
        getl 2
        wrdsb @1, dat+4
        complete
P57:
        getl 1
        getl 2
        wrdss @1, 0x100
        getl 1
        getl 2
        wrdss @1, ext
        getl 1
        getl 2
        wrdss @1, cm
        complete
P58:
        getl 1
        getl 2
        wrdsl @1, #8, 4
        getl 1
        getl 2
        wrdsl @1, #9, dat
        getl 1
        getl 2
        wrdsl @2, @1
        complete
P59:
        getl 1
        getl 2
        wrdsq @1, @1
        getl 1
        getl 2
        wrdsq @1, #8
        getl 1
        getl 2
        wrdsq @1, dat
        complete
P60:
        getl 1
        getl 2
        wrdf @1, dat+4
        getl 1
        getl 2
        wrdf @1, 0x100
        getl 1
        getl 2
        wrdf @1, ext
        complete
P61:
        getl 1
        getl 2
        wrdd @1, cm
        getl 1
        getl 2
        wrdd @1, #8, 4
        getl 1
        getl 2
        wrdd @1, #9, dat
        complete
P62:
        getl 1
        getl 2
        wrdp @1, @1
        getl 1
        getl 2
        wrdp @1, #8
        getl 1
        getl 2
        wrdp @2, @1
        complete
P63:
        getl 1
        getl 2
        wrdc @1, dat
        getl 1
        getl 2
        wrdc @1, dat+4
        getl 1
        getl 2
        wrdc @1, 0x100
        complete
P64:
        getl 1
        getl 2
        exa #8
        getl 1
        getl 2
        exa #8, 16
        getl 1
        getl 2
        exa #8, dat
        complete
P65:
        getl 1
        getl 2
        exa #8
        getl 1
        getl 2
        exa #8, 16
        getl 1
        getl 2
        exa #8, dat
        complete
P66:
        getl 1
        getl 2
        move @1
        getl 1
        getl 2
        move @2
        getl 1
        getl 2
        move @0
        complete
P67:
        getl 1
        getl 2
        moveq @1
        getl 1
        getl 2
        moveq @2
        getl 1
        getl 2
        moveq @0
        complete
P68:
        getl 1
        getl 2
        getb 5
        getl 1
        getl 2
        getb -2
        getl 1
        getl 2
        getb small
        complete
P69:
        getl 1
        getl 2
        gets #3
        getl 1
        getl 2
        gets 300
        getl 1
        getl 2
        gets -300
        complete
P70:
        getl 1
        getl 2
        getl 70000
        getl 1
        getl 2
        getl -2
        getl 1
        getl 2
        getl ext-4
        complete
P71:
        getl 1
        getl 2
        getq 70000
        getl 1
        getl 2
        getq -2
        getl 1
        getl 2
        getq ext-4
        complete
P72:
        getl 1
        getl 2
        getps 70000
        getl 1
        getl 2
        getps -2
        getl 1
        getl 2
        getps ext-4
        complete
P73:
        getl 1
        getl 2
        getpss 70000
        getl 1
        getl 2
        getpss -2
        getl 1
        getl 2
        getpss ext-4
        complete
P74:
        getl 1
        getl 2
        getpl #48
        getl 1
        getl 2
        getpl 70000
        getl 1
        getl 2
        getpl ext-4
        complete
P75:
        getl 1
        getl 2
        getpsl 70000
        getl 1
        getl 2
        getpsl -2
        getl 1
        getl 2
        getpsl ext-4
        complete
P76:
        getl 1
        getl 2
        getsb #3
        getl 1
        getl 2
        getsb 5
        getl 1
        getl 2
        getsb small
        complete
P77:
        getl 1
        getl 2
        getss #48
        getl 1
        getl 2
        getss 300
        getl 1
        getl 2
        getss -300
        complete
P78:
        getl 1
        getl 2
        getsl 70000
        getl 1
        getl 2
        getsl -2
        getl 1
        getl 2
        getsl ext-4
        complete
P79:
        getl 1
        getl 2
        getsq #3
        getl 1
        getl 2
        getsq #48
        getl 1
        getl 2
        getsq 70000
        complete
P80:
        getl 1
        getl 2
        getf 0f1.5
        getl 1
        getl 2
        getf 0f-0.25
        getl 1
        getl 2
        getf 7
        complete
P81:
        getl 1
        getl 2
        getd @1
        getl 1
        getl 2
        getd #3
        getl 1
        getl 2
        getd #48
        complete
P82:
        getl 1
        getl 2
        getp 0f1.5
        getl 1
        getl 2
        getp 0f-0.25
        getl 1
        getl 2
        getp 7
        complete
P83:
        getl 1
        getl 2
        getc 0f1.5
        getl 1
        getl 2
        getc 0f-0.25
        getl 1
        getl 2
        getc 7
        complete
P84:
        getl 1
        getl 2
        setb #3, @1
        getl 1
        getl 2
        setb #3, #3
        getl 1
        getl 2
        setb #3, #48
        complete
P85:
        getl 1
        getl 2
        sets #3, #8
        getl 1
        getl 2
        sets #3, 300
        getl 1
        getl 2
        sets #3, -300
        complete
P86:
        getl 1
        getl 2
        setl #3, 70000
        getl 1
        getl 2
        setl #3, -2
        getl 1
        getl 2
        setl #3, dat
        complete
P87:
        getl 1
        getl 2
        setq #3, ext-4
        getl 1
        getl 2
        setq #3, #8, 4
        getl 1
        getl 2
        setq #3, #9, 70000
        complete
P88:
        getl 1
        getl 2
        setps #48, @1
        getl 1
        getl 2
        setps #48, #3
        getl 1
        getl 2
        setps #48, #48
        complete
P89:
        getl 1
        getl 2
        setpss #3, @1
        getl 1
        getl 2
        setpss #3, #3
        getl 1
        getl 2
        setpss #3, #48
        complete
P90:
        getl 1
        getl 2
        setpl #3, #8
        getl 1
        getl 2
        setpl #3, 70000
        getl 1
        getl 2
        setpl #3, -2
        complete
P91:
        getl 1
        getl 2
        setpsl #3, dat
        getl 1
        getl 2
        setpsl #3, ext-4
        getl 1
        getl 2
        setpsl #3, #8, 4
        complete
P92:
        getl 1
        getl 2
        setsb #3, 5
        getl 1
        getl 2
        setsb #3, small
        getl 1
        getl 2
        setsb #3, #9, 5
        complete
P93:
        getl 1
        getl 2
        setss #3, 300
        getl 1
        getl 2
        setss #3, -300
        getl 1
        getl 2
        setss #3, #9, 300
        complete
P94:
        getl 1
        getl 2
        setsl #3, #9, 70000
        getl 1
        getl 2
        setsl #48, @1
        getl 1
        getl 2
        setsl #48, #3
        complete
P95:
        getl 1
        getl 2
        setsq #3, @1
        getl 1
        getl 2
        setsq #3, #3
        getl 1
        getl 2
        setsq #48, #48
        complete
P96:
        getl 1
        getl 2
        setf #3, 0f1.5
        getl 1
        getl 2
        setf #3, 0f-0.25
        getl 1
        getl 2
        setf #3, 7
        complete
P97:
        getl 1
        getl 2
        setd #3, #48
        getl 1
        getl 2
        setd #3, #8
        getl 1
        getl 2
        setd #3, #9, 4
        complete
P98:
        getl 1
        getl 2
        setp #3, 0f1.5
        getl 1
        getl 2
        setp #3, 0f-0.25
        getl 1
        getl 2
        setp #3, 7
        complete
P99:
        getl 1
        getl 2
        setc #3, 0f1.5
        getl 1
        getl 2
        setc #3, 0f-0.25
        getl 1
        getl 2
        setc #3, 7
        complete
P100:
        getl 1
        getl 2
        addl @1, 70000
        getl 1
        getl 2
        addl @1, -2
        getl 1
        getl 2
        addl @1, ext-4
        complete
P101:
        getl 1
        getl 2
        addps @1, 70000
        getl 1
        getl 2
        addps @1, -2
        getl 1
        getl 2
        addps @1, #9, 70000
        complete
P102:
        getl 1
        getl 2
        addpss @1, 70000
        getl 1
        getl 2
        addpss @1, ext-4
        getl 1
        getl 2
        addpss @1, #9, 70000
        complete
P103:
        getl 1
        getl 2
        addpl @1, -2
        getl 1
        getl 2
        addpl @1, ext-4
        getl 1
        getl 2
        addpl @1, #9, 70000
        complete
P104:
        getl 1
        getl 2
        addpsl @1, 70000
        getl 1
        getl 2
        addpsl @1, -2
        getl 1
        getl 2
        addpsl @1, ext-4
        complete
P105:
        getl 1
        getl 2
        addsl @1, #3
        getl 1
        getl 2
        addsl @1, #9, 70000
        getl 1
        getl 2
        addsl @2, #3
        complete
P106:
        getl 1
        getl 2
        addf @1, 0f1.5
        getl 1
        getl 2
        addf @1, 0f-0.25
        getl 1
        getl 2
        addf @1, 7
        complete
P107:
        getl 1
        getl 2
        addd @1, #48
        getl 1
        getl 2
        addd @1, #9, 4
        getl 1
        getl 2
        addd @2, #3
        complete
P108:
        getl 1
        getl 2
        addp @1, 0f1.5
        getl 1
        getl 2
        addp @1, 0f-0.25
        getl 1
        getl 2
        addp @1, 7
        complete
P109:
        getl 1
        getl 2
        addc @1, 0f1.5
        getl 1
        getl 2
        addc @1, 0f-0.25
        getl 1
        getl 2
        addc @1, 7
        complete
P110:
        getl 1
        getl 2
        subl @1, 70000
        getl 1
        getl 2
        subl @1, -2
        getl 1
        getl 2
        subl @1, ext-4
        complete
P111:
        getl 1
        getl 2
        subps @1, #3
        getl 1
        getl 2
        subps @1, #48
        getl 1
        getl 2
        subps @1, #9, 70000
        complete
P112:
        getl 1
        getl 2
        subpss @1, 70000
        getl 1
        getl 2
        subpss @1, -2
        getl 1
        getl 2
        subpss @1, ext-4
        complete
P113:
        getl 1
        getl 2
        subpl @1, #3
        getl 1
        getl 2
        subpl @1, #9, 70000
        getl 1
        getl 2
        subpl @2, #3
        complete
P114:
        getl 1
        getl 2
        subpsl @1, #48
        getl 1
        getl 2
        subpsl @1, 70000
        getl 1
        getl 2
        subpsl @1, -2
        complete
P115:
        getl 1
        getl 2
        subsl @1, ext-4
        getl 1
        getl 2
        subsl @1, #9, 70000
        getl 1
        getl 2
        subsl @2, #3
        complete
P116:
        getl 1
        getl 2
        subf @1, 0f1.5
        getl 1
        getl 2
        subf @1, 0f-0.25
        getl 1
        getl 2
        subf @1, 7
        complete
P117:
        getl 1
        getl 2
        subd @1, #3
        getl 1
        getl 2
        subd @1, #48
        getl 1
        getl 2
        subd @1, #9, 4
        complete
P118:
        getl 1
        getl 2
        subp @1, 0f1.5
        getl 1
        getl 2
        subp @1, 0f-0.25
        getl 1
        getl 2
        subp @1, 7
        complete
P119:
        getl 1
        getl 2
        subc @1, 0f1.5
        getl 1
        getl 2
        subc @1, 0f-0.25
        getl 1
        getl 2
        subc @1, 7
        complete
P120:
        getl 1
        getl 2
        mull @1, 70000
        getl 1
        getl 2
        mull @1, -2
        getl 1
        getl 2
        mull @1, ext-4
        complete
P121:
        getl 1
        getl 2
        mulps @1, #3
        getl 1
        getl 2
        mulps @1, #9, 70000
        getl 1
        getl 2
        mulps @2, #3
        complete
P122:
        getl 1
        getl 2
        mulpss @1, #48
        getl 1
        getl 2
        mulpss @1, 70000
        getl 1
        getl 2
        mulpss @1, -2
        complete
P123:
        getl 1
        getl 2
        mulpl @1, ext-4
        getl 1
        getl 2
        mulpl @1, #8, 4
        getl 1
        getl 2
        mulpl @1, #9, 70000
        complete
P124:
        getl 1
        getl 2
        mulpsl @1, @1
        getl 1
        getl 2
        mulpsl @2, @1
        getl 1
        getl 2
        mulpsl @2, #3
        complete
P125:
        getl 1
        getl 2
        mulsl @1, #3
        getl 1
        getl 2
        mulsl @1, #48
        getl 1
        getl 2
        mulsl @1, #8
        complete
P126:
        getl 1
        getl 2
        mulf @1, 0f1.5
        getl 1
        getl 2
        mulf @1, 0f-0.25
        getl 1
        getl 2
        mulf @1, 7
        complete
P127:
        getl 1
        getl 2
        muld @1, #8, 4
        getl 1
        getl 2
        muld @1, #9, 4
        getl 1
        getl 2
        muld @2, @1
        complete
P128:
        getl 1
        getl 2
        mulp @1, 0f1.5
        getl 1
        getl 2
        mulp @1, 0f-0.25
        getl 1
        getl 2
        mulp @1, 7
        complete
P129:
        getl 1
        getl 2
        mulc @1, 0f1.5
        getl 1
        getl 2
        mulc @1, 0f-0.25
        getl 1
        getl 2
        mulc @1, 7
        complete
P130:
        getl 1
        getl 2
        adcl @1, 70000
        getl 1
        getl 2
        adcl @1, -2
        getl 1
        getl 2
        adcl @1, dat
        complete
P131:
        getl 1
        getl 2
        adcsl @1, ext-4
        getl 1
        getl 2
        adcsl @1, #9, 70000
        getl 1
        getl 2
        adcsl @2, #3
        complete
P132:
        getl 1
        getl 2
        sbbl @1, @1
        getl 1
        getl 2
        sbbl @1, #3
        getl 1
        getl 2
        sbbl @1, #48
        complete
P133:
        getl 1
        getl 2
        sbbsl @1, #8
        getl 1
        getl 2
        sbbsl @1, 70000
        getl 1
        getl 2
        sbbsl @1, -2
        complete
P134:
        getl 1
        getl 2
        insubl @1, dat
        getl 1
        getl 2
        insubl @1, ext-4
        getl 1
        getl 2
        insubl @1, #8, 4
        complete
P135:
        getl 1
        getl 2
        insubps @1, #9, 70000
        getl 1
        getl 2
        insubps @2, @1
        getl 1
        getl 2
        insubps @2, #3
        complete
P136:
        getl 1
        getl 2
        insubpss @1, @1
        getl 1
        getl 2
        insubpss @1, #3
        getl 1
        getl 2
        insubpss @1, #48
        complete
P137:
        getl 1
        getl 2
        insubpl @1, #8
        getl 1
        getl 2
        insubpl @1, 70000
        getl 1
        getl 2
        insubpl @1, -2
        complete
P138:
        getl 1
        getl 2
        insubpsl @1, dat
        getl 1
        getl 2
        insubpsl @1, ext-4
        getl 1
        getl 2
        insubpsl @1, #8, 4
        complete
P139:
        getl 1
        getl 2
        insubsl @1, #9, 70000
        getl 1
        getl 2
        insubsl @2, @1
        getl 1
        getl 2
        insubsl @2, #3
        complete
P140:
        getl 1
        getl 2
        insubf @1, 0f1.5
        getl 1
        getl 2
        insubf @1, 0f-0.25
        getl 1
        getl 2
        insubf @1, 7
        complete
P141:
        getl 1
        getl 2
        insubd @1, @1
        getl 1
        getl 2
        insubd @1, #3
        getl 1
        getl 2
        insubd @1, #9, 4
        complete
P142:
        getl 1
        getl 2
        insubp @1, 0f1.5
        getl 1
        getl 2
        insubp @1, 0f-0.25
        getl 1
        getl 2
        insubp @1, 7
        complete
P143:
        getl 1
        getl 2
        insubc @1, 0f1.5
        getl 1
        getl 2
        insubc @1, 0f-0.25
        getl 1
        getl 2
        insubc @1, 7
        complete
P144:
        getl 1
        getl 2
        divf @1, #48
        getl 1
        getl 2
        divf @1, #8
        getl 1
        getl 2
        divf @1, 0f1.5
        complete
P145:
        getl 1
        getl 2
        divd @1, #8, 4
        getl 1
        getl 2
        divd @1, #9, 4
        getl 1
        getl 2
        divd @2, @1
        complete
P146:
        getl 1
        getl 2
        sqrtf 0f1.5
        getl 1
        getl 2
        sqrtf 0f-0.25
        getl 1
        getl 2
        sqrtf 7
        complete
P147:
        getl 1
        getl 2
        sqrtd #3
        getl 1
        getl 2
        sqrtd #48
        getl 1
        getl 2
        sqrtd #9, 4
        complete
P148:
        getl 1
        getl 2
        maxl @1, 70000
        getl 1
        getl 2
        maxl @1, -2
        getl 1
        getl 2
        maxl @1, dat
        complete
P149:
        getl 1
        getl 2
        maxps @1, ext-4
        getl 1
        getl 2
        maxps @1, #9, 70000
        getl 1
        getl 2
        maxps @2, #3
        complete
P150:
        getl 1
        getl 2
        maxpss @1, @1
        getl 1
        getl 2
        maxpss @1, #3
        getl 1
        getl 2
        maxpss @1, #48
        complete
P151:
        getl 1
        getl 2
        maxpl @1, #8
        getl 1
        getl 2
        maxpl @1, 70000
        getl 1
        getl 2
        maxpl @1, -2
        complete
P152:
        getl 1
        getl 2
        maxpsl @1, dat
        getl 1
        getl 2
        maxpsl @1, ext-4
        getl 1
        getl 2
        maxpsl @1, #8, 4
        complete
P153:
        getl 1
        getl 2
        maxsl @1, #9, 70000
        getl 1
        getl 2
        maxsl @2, @1
        getl 1
        getl 2
        maxsl @2, #3
        complete
P154:
        getl 1
        getl 2
        maxf @1, 0f1.5
        getl 1
        getl 2
        maxf @1, 0f-0.25
        getl 1
        getl 2
        maxf @1, 7
        complete
P155:
        getl 1
        getl 2
        maxd @1, @1
        getl 1
        getl 2
        maxd @1, #3
        getl 1
        getl 2
        maxd @1, #9, 4
        complete
P156:
        getl 1
        getl 2
        minl @1, #48
        getl 1
        getl 2
        minl @1, #8
        getl 1
        getl 2
        minl @1, 70000
        complete
P157:
        getl 1
        getl 2
        minps @1, -2
        getl 1
        getl 2
        minps @1, dat
        getl 1
        getl 2
        minps @1, ext-4
        complete
P158:
        getl 1
        getl 2
        minpss @1, #8, 4
        getl 1
        getl 2
        minpss @1, #9, 70000
        getl 1
        getl 2
        minpss @2, @1
        complete
P159:
        getl 1
        getl 2
        minpl @1, @1
        getl 1
        getl 2
        minpl @1, #3
        getl 1
        getl 2
        minpl @2, #3
        complete
P160:
        getl 1
        getl 2
        minpsl @1, #48
        getl 1
        getl 2
        minpsl @1, #8
        getl 1
        getl 2
        minpsl @1, 70000
        complete
P161:
        getl 1
        getl 2
        minsl @1, -2
        getl 1
        getl 2
        minsl @1, dat
        getl 1
        getl 2
        minsl @1, ext-4
        complete
P162:
        getl 1
        getl 2
        minf @1, 0f1.5
        getl 1
        getl 2
        minf @1, 0f-0.25
        getl 1
        getl 2
        minf @1, 7
        complete
P163:
        getl 1
        getl 2
        mind @1, #8, 4
        getl 1
        getl 2
        mind @1, #9, 4
        getl 1
        getl 2
        mind @2, @1
        complete
P164:
        getl 1
        getl 2
        abspss -2
        getl 1
        getl 2
        abspss ext-4
        getl 1
        getl 2
        abspss #9, 70000
        complete
P165:
        getl 1
        getl 2
        abspsl 70000
        getl 1
        getl 2
        abspsl -2
        getl 1
        getl 2
        abspsl #9, 70000
        complete
P166:
        getl 1
        getl 2
        abssl 70000
        getl 1
        getl 2
        abssl ext-4
        getl 1
        getl 2
        abssl #9, 70000
        complete
P167:
        getl 1
        getl 2
        absf 0f1.5
        getl 1
        getl 2
        absf 0f-0.25
        getl 1
        getl 2
        absf 7
        complete
P168:
        getl 1
        getl 2
        absd #3
        getl 1
        getl 2
        absd #8, 4
        getl 1
        getl 2
        absd #9, 4
        complete
P169:
        getl 1
        getl 2
        ltl @1, @1
        getl 1
        getl 2
        ltl @1, #9, 70000
        getl 1
        getl 2
        ltl @2, #3
        complete
P170:
        getl 1
        getl 2
        ltsl @1, #3
        getl 1
        getl 2
        ltsl @1, #48
        getl 1
        getl 2
        ltsl @1, #8
        complete
P171:
        getl 1
        getl 2
        ltf @1, 0f1.5
        getl 1
        getl 2
        ltf @1, 0f-0.25
        getl 1
        getl 2
        ltf @1, 7
        complete
P172:
        getl 1
        getl 2
        ltd @1, #8, 4
        getl 1
        getl 2
        ltd @1, #9, 4
        getl 1
        getl 2
        ltd @2, @1
        complete
P173:
        getl 1
        getl 2
        gel @1, 70000
        getl 1
        getl 2
        gel @1, -2
        getl 1
        getl 2
        gel @1, dat
        complete
P174:
        getl 1
        getl 2
        gesl @1, ext-4
        getl 1
        getl 2
        gesl @1, #9, 70000
        getl 1
        getl 2
        gesl @2, #3
        complete
P175:
        getl 1
        getl 2
        gef @1, 0f1.5
        getl 1
        getl 2
        gef @1, 0f-0.25
        getl 1
        getl 2
        gef @1, 7
        complete
P176:
        getl 1
        getl 2
        ged @1, @1
        getl 1
        getl 2
        ged @1, #3
        getl 1
        getl 2
        ged @1, #9, 4
        complete
P177:
        getl 1
        getl 2
        or @1, #48
        getl 1
        getl 2
        or @1, #8
        getl 1
        getl 2
        or @1, 70000
        complete
P178:
        getl 1
        getl 2
        orl @1, -2
        getl 1
        getl 2
        orl @1, dat
        getl 1
        getl 2
        orl @1, ext-4
        complete
P179:
        getl 1
        getl 2
        orq @1, #8, 4
        getl 1
        getl 2
        orq @1, #9, 70000
        getl 1
        getl 2
        orq @2, @1
        complete
P180:
        getl 1
        getl 2
        and @1, @1
        getl 1
        getl 2
        and @1, #3
        getl 1
        getl 2
        and @2, #3
        complete
P181:
        getl 1
        getl 2
        andl @1, #48
        getl 1
        getl 2
        andl @1, #8
        getl 1
        getl 2
        andl @1, 70000
        complete
P182:
        getl 1
        getl 2
        andq @1, -2
        getl 1
        getl 2
        andq @1, dat
        getl 1
        getl 2
        andq @1, ext-4
        complete
P183:
        getl 1
        getl 2
        xor @1, #8, 4
        getl 1
        getl 2
        xor @1, #9, 70000
        getl 1
        getl 2
        xor @2, @1
        complete
P184:
        getl 1
        getl 2
        xorl @1, @1
        getl 1
        getl 2
        xorl @1, #3
        getl 1
        getl 2
        xorl @2, #3
        complete
P185:
        getl 1
        getl 2
        xorq @1, #48
        getl 1
        getl 2
        xorq @1, #8
        getl 1
        getl 2
        xorq @1, 70000
        complete
P186:
        getl 1
        getl 2
        not -2
        getl 1
        getl 2
        not ext-4
        getl 1
        getl 2
        not #9, 70000
        complete
P187:
        getl 1
        getl 2
        notl #48
        getl 1
        getl 2
        notl 70000
        getl 1
        getl 2
        notl #9, 70000
        complete
P188:
        getl 1
        getl 2
        notq -2
        getl 1
        getl 2
        notq dat
        getl 1
        getl 2
        notq #9, 70000
        complete
P189:
        getl 1
        getl 2
        norml ext-4
        getl 1
        getl 2
        norml #8, 4
        getl 1
        getl 2
        norml #9, 70000
        complete
P190:
        getl 1
        getl 2
        normsl #3
        getl 1
        getl 2
        normsl #48
        getl 1
        getl 2
        normsl #9, 70000
        complete
P191:
        getl 1
        getl 2
        pack @1, -2
        getl 1
        getl 2
        pack @1, dat
        getl 1
        getl 2
        pack @1, ext-4
        complete
P192:
        getl 1
        getl 2
        patch @1, #8, 4
        getl 1
        getl 2
        patch @1, #9, 70000
        getl 1
        getl 2
        patch @2, @1
        complete
P193:
        getl 1
        getl 2
        bsfl 70000
        getl 1
        getl 2
        bsfl -2
        getl 1
        getl 2
        bsfl #9, 70000
        complete
P194:
        getl 1
        getl 2
        bsfq dat
        getl 1
        getl 2
        bsfq ext-4
        getl 1
        getl 2
        bsfq #9, 70000
        complete
P195:
        getl 1
        getl 2
        bsrl #3
        getl 1
        getl 2
        bsrl #8, 4
        getl 1
        getl 2
        bsrl #9, 70000
        complete
P196:
        getl 1
        getl 2
        bsrq #48
        getl 1
        getl 2
        bsrq #8
        getl 1
        getl 2
        bsrq #9, 70000
        complete
P197:
        getl 1
        getl 2
        slll @1, @1
        getl 1
        getl 2
        slll @1, #3
        getl 1
        getl 2
        slll @2, #3
        complete
P198:
        getl 1
        getl 2
        sllq @1, #48
        getl 1
        getl 2
        sllq @1, #8
        getl 1
        getl 2
        sllq @1, 70000
        complete
P199:
        getl 1
        getl 2
        sllps @1, -2
        getl 1
        getl 2
        sllps @1, dat
        getl 1
        getl 2
        sllps @1, ext-4
        complete
P200:
        getl 1
        getl 2
        sllpss @1, #8, 4
        getl 1
        getl 2
        sllpss @1, #9, 70000
        getl 1
        getl 2
        sllpss @2, @1
        complete
P201:
        getl 1
        getl 2
        sllpl @1, @1
        getl 1
        getl 2
        sllpl @1, #3
        getl 1
        getl 2
        sllpl @2, #3
        complete
P202:
        getl 1
        getl 2
        sllpsl @1, #48
        getl 1
        getl 2
        sllpsl @1, #8
        getl 1
        getl 2
        sllpsl @1, 70000
        complete
P203:
        getl 1
        getl 2
        sllsl @1, -2
        getl 1
        getl 2
        sllsl @1, dat
        getl 1
        getl 2
        sllsl @1, ext-4
        complete
P204:
        getl 1
        getl 2
        slrl @1, #8, 4
        getl 1
        getl 2
        slrl @1, #9, 70000
        getl 1
        getl 2
        slrl @2, @1
        complete
P205:
        getl 1
        getl 2
        slrq @1, @1
        getl 1
        getl 2
        slrq @1, #3
        getl 1
        getl 2
        slrq @2, #3
        complete
P206:
        getl 1
        getl 2
        slrps @1, #48
        getl 1
        getl 2
        slrps @1, #8
        getl 1
        getl 2
        slrps @1, 70000
        complete
P207:
        getl 1
        getl 2
        slrpss @1, -2
        getl 1
        getl 2
        slrpss @1, dat
        getl 1
        getl 2
        slrpss @1, ext-4
        complete
P208:
        getl 1
        getl 2
        slrpl @1, #8, 4
        getl 1
        getl 2
        slrpl @1, #9, 70000
        getl 1
        getl 2
        slrpl @2, @1
        complete
P209:
        getl 1
        getl 2
        slrpsl @1, @1
        getl 1
        getl 2
        slrpsl @1, #3
        getl 1
        getl 2
        slrpsl @2, #3
        complete
P210:
        getl 1
        getl 2
        slrsl @1, #48
        getl 1
        getl 2
        slrsl @1, #8
        getl 1
        getl 2
        slrsl @1, 70000
        complete
P211:
        getl 1
        getl 2
        sall @1, -2
        getl 1
        getl 2
        sall @1, dat
        getl 1
        getl 2
        sall @1, ext-4
        complete
P212:
        getl 1
        getl 2
        salq @1, #8, 4
        getl 1
        getl 2
        salq @1, #9, 70000
        getl 1
        getl 2
        salq @2, @1
        complete
P213:
        getl 1
        getl 2
        salps @1, @1
        getl 1
        getl 2
        salps @1, #3
        getl 1
        getl 2
        salps @2, #3
        complete
P214:
        getl 1
        getl 2
        salpss @1, #48
        getl 1
        getl 2
        salpss @1, #8
        getl 1
        getl 2
        salpss @1, 70000
        complete
P215:
        getl 1
        getl 2
        salpl @1, -2
        getl 1
        getl 2
        salpl @1, dat
        getl 1
        getl 2
        salpl @1, ext-4
        complete
P216:
        getl 1
        getl 2
        salpsl @1, #8, 4
        getl 1
        getl 2
        salpsl @1, #9, 70000
        getl 1
        getl 2
        salpsl @2, @1
        complete
P217:
        getl 1
        getl 2
        salsl @1, @1
        getl 1
        getl 2
        salsl @1, #3
        getl 1
        getl 2
        salsl @2, #3
        complete
P218:
        getl 1
        getl 2
        sarl @1, #48
        getl 1
        getl 2
        sarl @1, #8
        getl 1
        getl 2
        sarl @1, 70000
        complete
P219:
        getl 1
        getl 2
        sarq @1, -2
        getl 1
        getl 2
        sarq @1, dat
        getl 1
        getl 2
        sarq @1, ext-4
        complete
P220:
        getl 1
        getl 2
        sarps @1, #8, 4
        getl 1
        getl 2
        sarps @1, #9, 70000
        getl 1
        getl 2
        sarps @2, @1
        complete
P221:
        getl 1
        getl 2
        sarpss @1, @1
        getl 1
        getl 2
        sarpss @1, #3
        getl 1
        getl 2
        sarpss @2, #3
        complete
P222:
        getl 1
        getl 2
        sarpl @1, #48
        getl 1
        getl 2
        sarpl @1, #8
        getl 1
        getl 2
        sarpl @1, 70000
        complete
P223:
        getl 1
        getl 2
        sarpsl @1, -2
        getl 1
        getl 2
        sarpsl @1, dat
        getl 1
        getl 2
        sarpsl @1, ext-4
        complete
P224:
        getl 1
        getl 2
        sarsl @1, #8, 4
        getl 1
        getl 2
        sarsl @1, #9, 70000
        getl 1
        getl 2
        sarsl @2, @1
        complete
P225:
        getl 1
        getl 2
        roll @1, @1
        getl 1
        getl 2
        roll @1, #3
        getl 1
        getl 2
        roll @2, #3
        complete
P226:
        getl 1
        getl 2
        rolq @1, #48
        getl 1
        getl 2
        rolq @1, #8
        getl 1
        getl 2
        rolq @1, 70000
        complete
P227:
        getl 1
        getl 2
        rolps @1, -2
        getl 1
        getl 2
        rolps @1, dat
        getl 1
        getl 2
        rolps @1, ext-4
        complete
P228:
        getl 1
        getl 2
        rolpss @1, #8, 4
        getl 1
        getl 2
        rolpss @1, #9, 70000
        getl 1
        getl 2
        rolpss @2, @1
        complete
P229:
        getl 1
        getl 2
        rolpl @1, @1
        getl 1
        getl 2
        rolpl @1, #3
        getl 1
        getl 2
        rolpl @2, #3
        complete
P230:
        getl 1
        getl 2
        rolpsl @1, #48
        getl 1
        getl 2
        rolpsl @1, #8
        getl 1
        getl 2
        rolpsl @1, 70000
        complete
P231:
        getl 1
        getl 2
        rolsl @1, -2
        getl 1
        getl 2
        rolsl @1, dat
        getl 1
        getl 2
        rolsl @1, ext-4
        complete
P232:
        getl 1
        getl 2
        rorl @1, #8, 4
        getl 1
        getl 2
        rorl @1, #9, 70000
        getl 1
        getl 2
        rorl @2, @1
        complete
P233:
        getl 1
        getl 2
        rorq @1, @1
        getl 1
        getl 2
        rorq @1, #3
        getl 1
        getl 2
        rorq @2, #3
        complete
P234:
        getl 1
        getl 2
        rorps @1, #48
        getl 1
        getl 2
        rorps @1, #8
        getl 1
        getl 2
        rorps @1, 70000
        complete
P235:
        getl 1
        getl 2
        rorpss @1, -2
        getl 1
        getl 2
        rorpss @1, dat
        getl 1
        getl 2
        rorpss @1, ext-4
        complete
P236:
        getl 1
        getl 2
        rorpl @1, #8, 4
        getl 1
        getl 2
        rorpl @1, #9, 70000
        getl 1
        getl 2
        rorpl @2, @1
        complete
P237:
        getl 1
        getl 2
        rorpsl @1, @1
        getl 1
        getl 2
        rorpsl @1, #3
        getl 1
        getl 2
        rorpsl @2, #3
        complete
P238:
        getl 1
        getl 2
        rorsl @1, #48
        getl 1
        getl 2
        rorsl @1, #8
        getl 1
        getl 2
        rorsl @1, 70000
        complete
P239:
        getl 1
        getl 2
        bswapl 70000
        getl 1
        getl 2
        bswapl -2
        getl 1
        getl 2
        bswapl dat
        complete
P240:
        getl 1
        getl 2
        bswapq ext-4
        getl 1
        getl 2
        bswapq #8, 4
        getl 1
        getl 2
        bswapq #9, 70000
        complete
P241:
        getl 1
        getl 2
        bswapps @1
        getl 1
        getl 2
        bswapps #3
        getl 1
        getl 2
        bswapps #48
        complete
P242:
        getl 1
        getl 2
        bswappl #8
        getl 1
        getl 2
        bswappl 70000
        getl 1
        getl 2
        bswappl -2
        complete
P243:
        getl 1
        getl 2
        bcl dat
        getl 1
        getl 2
        bcl ext-4
        getl 1
        getl 2
        bcl #8, 4
        complete
P244:
        getl 1
        getl 2
        bcq @1
        getl 1
        getl 2
        bcq #3
        getl 1
        getl 2
        bcq #9, 70000
        complete
P245:
        getl 1
        getl 2
        jmp P245
        getl 1
        getl 2
        jmp 12
        getl 1
        getl 2
        jmp ext+8
        complete
P246:
        getl 1
        getl 2
        je @1, P246
        getl 1
        getl 2
        je @1, 12
        getl 1
        getl 2
        je @1, ext+8
        complete
P247:
        getl 1
        getl 2
        jne @1, P247
        getl 1
        getl 2
        jne @1, 12
        getl 1
        getl 2
        jne @1, #9, P247
        complete
P248:
        getl 1
        getl 2
        jb @1, P248
        getl 1
        getl 2
        jb @1, ext+8
        getl 1
        getl 2
        jb @1, #9, P248
        complete
P249:
        getl 1
        getl 2
        jc @1, 12
        getl 1
        getl 2
        jc @1, ext+8
        getl 1
        getl 2
        jc @1, #9, P249
        complete
P250:
        getl 1
        getl 2
        jbe @1, P250
        getl 1
        getl 2
        jbe @1, 12
        getl 1
        getl 2
        jbe @1, ext+8
        complete
P251:
        getl 1
        getl 2
        ja @1, P251
        getl 1
        getl 2
        ja @1, 12
        getl 1
        getl 2
        ja @1, #9, P251
        complete
P252:
        getl 1
        getl 2
        jae @1, P252
        getl 1
        getl 2
        jae @1, ext+8
        getl 1
        getl 2
        jae @1, #9, P252
        complete
P253:
        getl 1
        getl 2
        jnc @1, 12
        getl 1
        getl 2
        jnc @1, ext+8
        getl 1
        getl 2
        jnc @1, #9, P253
        complete
P254:
        getl 1
        getl 2
        js @1, P254
        getl 1
        getl 2
        js @1, 12
        getl 1
        getl 2
        js @1, ext+8
        complete
P255:
        getl 1
        getl 2
        jns @1, P255
        getl 1
        getl 2
        jns @1, 12
        getl 1
        getl 2
        jns @1, #9, P255
        complete
P256:
        getl 1
        getl 2
        jo @1, P256
        getl 1
        getl 2
        jo @1, ext+8
        getl 1
        getl 2
        jo @1, #9, P256
        complete
P257:
        getl 1
        getl 2
        jno @1, 12
        getl 1
        getl 2
        jno @1, ext+8
        getl 1
        getl 2
        jno @1, #9, P257
        complete
P258:
        getl 1
        getl 2
        jl @1, P258
        getl 1
        getl 2
        jl @1, 12
        getl 1
        getl 2
        jl @1, ext+8
        complete
P259:
        getl 1
        getl 2
        jle @1, P259
        getl 1
        getl 2
        jle @1, 12
        getl 1
        getl 2
        jle @1, #9, P259
        complete
P260:
        getl 1
        getl 2
        jg @1, P260
        getl 1
        getl 2
        jg @1, ext+8
        getl 1
        getl 2
        jg @1, #9, P260
        complete
P261:
        getl 1
        getl 2
        jge @1, 12
        getl 1
        getl 2
        jge @1, ext+8
        getl 1
        getl 2
        jge @1, #9, P261
        complete
P262:
        getl 1
        getl 2
        irm #48
        getl 1
        getl 2
        irm #8
        getl 1
        getl 2
        irm -3
        complete
P263:
        getl 1
        getl 2
        irme @1, -3
        getl 1
        getl 2
        irme @1, #8, 4
        getl 1
        getl 2
        irme @1, #9, 70000
        complete
P264:
        getl 1
        getl 2
        irmne @1, -3
        getl 1
        getl 2
        irmne @2, @1
        getl 1
        getl 2
        irmne @2, #3
        complete
P265:
        getl 1
        getl 2
        irmb @1, @1
        getl 1
        getl 2
        irmb @1, #3
        getl 1
        getl 2
        irmb @1, -3
        complete
P266:
        getl 1
        getl 2
        irmc @1, #48
        getl 1
        getl 2
        irmc @1, #8
        getl 1
        getl 2
        irmc @1, -3
        complete
P267:
        getl 1
        getl 2
        irmbe @1, 70000
        getl 1
        getl 2
        irmbe @1, -3
        getl 1
        getl 2
        irmbe @1, #8, 4
        complete
P268:
        getl 1
        getl 2
        irma @1, -3
        getl 1
        getl 2
        irma @1, #9, 70000
        getl 1
        getl 2
        irma @2, @1
        complete
P269:
        getl 1
        getl 2
        irmae @1, @1
        getl 1
        getl 2
        irmae @1, -3
        getl 1
        getl 2
        irmae @2, #3
        complete
P270:
        getl 1
        getl 2
        irmnc @1, #3
        getl 1
        getl 2
        irmnc @1, #48
        getl 1
        getl 2
        irmnc @1, -3
        complete
P271:
        getl 1
        getl 2
        irms @1, #8
        getl 1
        getl 2
        irms @1, 70000
        getl 1
        getl 2
        irms @1, -3
        complete
P272:
        getl 1
        getl 2
        irmns @1, -3
        getl 1
        getl 2
        irmns @1, #8, 4
        getl 1
        getl 2
        irmns @1, #9, 70000
        complete
P273:
        getl 1
        getl 2
        irmo @1, -3
        getl 1
        getl 2
        irmo @2, @1
        getl 1
        getl 2
        irmo @2, #3
        complete
P274:
        getl 1
        getl 2
        irmno @1, @1
        getl 1
        getl 2
        irmno @1, #3
        getl 1
        getl 2
        irmno @1, -3
        complete
P275:
        getl 1
        getl 2
        irml @1, #48
        getl 1
        getl 2
        irml @1, #8
        getl 1
        getl 2
        irml @1, -3
        complete
P276:
        getl 1
        getl 2
        irmle @1, 70000
        getl 1
        getl 2
        irmle @1, -3
        getl 1
        getl 2
        irmle @1, #8, 4
        complete
P277:
        getl 1
        getl 2
        irmg @1, -3
        getl 1
        getl 2
        irmg @1, #9, 70000
        getl 1
        getl 2
        irmg @2, @1
        complete
P278:
        getl 1
        getl 2
        irmge @1, @1
        getl 1
        getl 2
        irmge @1, -3
        getl 1
        getl 2
        irmge @2, #3
        complete
P279:
        getl 1
        getl 2
        se @1, #3
        getl 1
        getl 2
        se @1, #48
        getl 1
        getl 2
        se @1, -3
        complete
P280:
        getl 1
        getl 2
        sne @1, #8
        getl 1
        getl 2
        sne @1, 70000
        getl 1
        getl 2
        sne @1, -3
        complete
P281:
        getl 1
        getl 2
        sb @1, -3
        getl 1
        getl 2
        sb @1, #8, 4
        getl 1
        getl 2
        sb @1, #9, 70000
        complete
P282:
        getl 1
        getl 2
        sc @1, -3
        getl 1
        getl 2
        sc @2, @1
        getl 1
        getl 2
        sc @2, #3
        complete
P283:
        getl 1
        getl 2
        sbe @1, @1
        getl 1
        getl 2
        sbe @1, #3
        getl 1
        getl 2
        sbe @1, -3
        complete
P284:
        getl 1
        getl 2
        sa @1, #48
        getl 1
        getl 2
        sa @1, #8
        getl 1
        getl 2
        sa @1, -3
        complete
P285:
        getl 1
        getl 2
        sae @1, 70000
        getl 1
        getl 2
        sae @1, -3
        getl 1
        getl 2
        sae @1, #8, 4
        complete
P286:
        getl 1
        getl 2
        snc @1, -3
        getl 1
        getl 2
        snc @1, #9, 70000
        getl 1
        getl 2
        snc @2, @1
        complete
P287:
        getl 1
        getl 2
        ss @1, @1
        getl 1
        getl 2
        ss @1, -3
        getl 1
        getl 2
        ss @2, #3
        complete
P288:
        getl 1
        getl 2
        sns @1, #3
        getl 1
        getl 2
        sns @1, #48
        getl 1
        getl 2
        sns @1, -3
        complete
P289:
        getl 1
        getl 2
        so @1, #8
        getl 1
        getl 2
        so @1, 70000
        getl 1
        getl 2
        so @1, -3
        complete
P290:
        getl 1
        getl 2
        sno @1, -3
        getl 1
        getl 2
        sno @1, #8, 4
        getl 1
        getl 2
        sno @1, #9, 70000
        complete
P291:
        getl 1
        getl 2
        sl @1, -3
        getl 1
        getl 2
        sl @2, @1
        getl 1
        getl 2
        sl @2, #3
        complete
P292:
        getl 1
        getl 2
        sle @1, @1
        getl 1
        getl 2
        sle @1, #3
        getl 1
        getl 2
        sle @1, -3
        complete
P293:
        getl 1
        getl 2
        sg @1, #48
        getl 1
        getl 2
        sg @1, #8
        getl 1
        getl 2
        sg @1, -3
        complete
P294:
        getl 1
        getl 2
        sge @1, 70000
        getl 1
        getl 2
        sge @1, -3
        getl 1
        getl 2
        sge @1, #8, 4
        complete
P295:
        getl 1
        getl 2
        forse @1, -3
        getl 1
        getl 2
        forse @1, #9, 70000
        getl 1
        getl 2
        forse @2, @1
        complete
P296:
        getl 1
        getl 2
        forsne @1, @1
        getl 1
        getl 2
        forsne @1, -3
        getl 1
        getl 2
        forsne @2, #3
        complete
P297:
        getl 1
        getl 2
        forsb @1, #3
        getl 1
        getl 2
        forsb @1, #48
        getl 1
        getl 2
        forsb @1, -3
        complete
P298:
        getl 1
        getl 2
        forsc @1, #8
        getl 1
        getl 2
        forsc @1, 70000
        getl 1
        getl 2
        forsc @1, -3
        complete
P299:
        getl 1
        getl 2
        forsbe @1, -3
        getl 1
        getl 2
        forsbe @1, #8, 4
        getl 1
        getl 2
        forsbe @1, #9, 70000
        complete
P300:
        getl 1
        getl 2
        forsa @1, -3
        getl 1
        getl 2
        forsa @2, @1
        getl 1
        getl 2
        forsa @2, #3
        complete
P301:
        getl 1
        getl 2
        forsae @1, @1
        getl 1
        getl 2
        forsae @1, #3
        getl 1
        getl 2
        forsae @1, -3
        complete
P302:
        getl 1
        getl 2
        forsnc @1, #48
        getl 1
        getl 2
        forsnc @1, #8
        getl 1
        getl 2
        forsnc @1, 70000
        complete
P303:
        getl 1
        getl 2
        forss @1, -3
        getl 1
        getl 2
        forss @1, #8, 4
        getl 1
        getl 2
        forss @1, #9, 70000
        complete
P304:
        getl 1
        getl 2
        forsns @1, @1
        getl 1
        getl 2
        forsns @2, @1
        getl 1
        getl 2
        forsns @2, #3
        complete
P305:
        getl 1
        getl 2
        forso @1, #3
        getl 1
        getl 2
        forso @1, #48
        getl 1
        getl 2
        forso @1, #8
        complete
P306:
        getl 1
        getl 2
        forsno @1, 70000
        getl 1
        getl 2
        forsno @1, -3
        getl 1
        getl 2
        forsno @1, #8, 4
        complete
P307:
        getl 1
        getl 2
        forsl @1, #9, 70000
        getl 1
        getl 2
        forsl @2, @1
        getl 1
        getl 2
        forsl @2, #3
        complete
P308:
        getl 1
        getl 2
        forsle @1, @1
        getl 1
        getl 2
        forsle @1, #3
        getl 1
        getl 2
        forsle @1, #48
        complete
P309:
        getl 1
        getl 2
        forsg @1, #8
        getl 1
        getl 2
        forsg @1, 70000
        getl 1
        getl 2
        forsg @1, -3
        complete
P310:
        getl 1
        getl 2
        forsge @1, #8, 4
        getl 1
        getl 2
        forsge @1, #9, 70000
        getl 1
        getl 2
        forsge @2, @1
        complete
P311:
        getl 1
        getl 2
        ibb 5
        getl 1
        getl 2
        ibb small
        getl 1
        getl 2
        ibb #9, 5
        complete
P312:
        getl 1
        getl 2
        ibsb 5
        getl 1
        getl 2
        ibsb small
        getl 1
        getl 2
        ibsb #9, 5
        complete
P313:
        getl 1
        getl 2
        cbstb 5
        getl 1
        getl 2
        cbstb small
        getl 1
        getl 2
        cbstb #9, 5
        complete
P314:
        getl 1
        getl 2
        cbstsb 5
        getl 1
        getl 2
        cbstsb small
        getl 1
        getl 2
        cbstsb #9, 5
        complete
P315:
        getl 1
        getl 2
        cbb 5
        getl 1
        getl 2
        cbb small
        getl 1
        getl 2
        cbb #9, 5
        complete
P316:
        getl 1
        getl 2
        cbsb 5
        getl 1
        getl 2
        cbsb small
        getl 1
        getl 2
        cbsb #9, 5
        complete
P317:
        getl 1
        getl 2
        fcpy @1, -2
        getl 1
        getl 2
        fcpy @1, dat
        getl 1
        getl 2
        fcpy @1, ext-4
        complete
P318:
        getl 1
        getl 2
        fcpyq @1, -2
        getl 1
        getl 2
        fcpyq @1, dat
        getl 1
        getl 2
        fcpyq @1, ext-4
        complete
P319:
        getl 1
        getl 2
        clf @1
        getl 1
        getl 2
        clf 7
        getl 1
        getl 2
        clf #8, 4
        complete
P320:
        getl 1
        getl 2
        cslf #3
        getl 1
        getl 2
        cslf #48
        getl 1
        getl 2
        cslf 7
        complete
P321:
        getl 1
        getl 2
        cfsl 70000
        getl 1
        getl 2
        cfsl -2
        getl 1
        getl 2
        cfsl dat
        complete
P322:
        getl 1
        getl 2
        cfd 0f1.5
        getl 1
        getl 2
        cfd 0f-0.25
        getl 1
        getl 2
        cfd 7
        complete
P323:
        getl 1
        getl 2
        cdf #8
        getl 1
        getl 2
        cdf #8, 4
        getl 1
        getl 2
        cdf #9, 4
        complete
P324:
        getl 1
        getl 2
        madd @1, 0f1.5
        getl 1
        getl 2
        madd @1, 0f-0.25
        getl 1
        getl 2
        madd @1, 7
        complete
