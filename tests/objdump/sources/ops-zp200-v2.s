; every operation of ZP200 in syntax V2, in the forms the assembler takes
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
        rdq #8, 4
        getl 1
        getl 2
        rdq #9, dat
        getl 1
        getl 2
        rdq [#8]
        complete
P4:
        getl 1
        getl 2
        rdps [#8, 4]
        getl 1
        getl 2
        rdps [@1]
        getl 1
        getl 2
        rdps [@1, 8]
        complete
P5:
        getl 1
        getl 2
        rdpss @1, 5
        getl 1
        getl 2
        rdpss [5]
        getl 1
        getl 2
        rdpss [dat]
        complete
P6:
        getl 1
        getl 2
        rdpl @0
        getl 1
        getl 2
        rdpl [@0]
        getl 1
        getl 2
        rdpl #3, 4
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
        rdpsl #3, dat
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
        rdsq [#8]
        getl 1
        getl 2
        rdsq [#8, 4]
        getl 1
        getl 2
        rdsq [@1]
        complete
P12:
        getl 1
        getl 2
        rdf [@1, 8]
        getl 1
        getl 2
        rdf @1, 5
        getl 1
        getl 2
        rdf [5]
        complete
P13:
        getl 1
        getl 2
        rdd [dat]
        getl 1
        getl 2
        rdd @0
        getl 1
        getl 2
        rdd [@0]
        complete
P14:
        getl 1
        getl 2
        rdp @1
        getl 1
        getl 2
        rdp #3, 4
        getl 1
        getl 2
        rdp #3, dat
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
        wrq @1, [#8]
        complete
P20:
        getl 1
        getl 2
        wrps @1, [#8, 4]
        getl 1
        getl 2
        wrps @1, [@1]
        getl 1
        getl 2
        wrps @1, [@1, 8]
        complete
P21:
        getl 1
        getl 2
        wrpss @1, @1, 5
        getl 1
        getl 2
        wrpss @1, [5]
        getl 1
        getl 2
        wrpss @1, [dat]
        complete
P22:
        getl 1
        getl 2
        wrpl @1, @0
        getl 1
        getl 2
        wrpl @1, [@0]
        getl 1
        getl 2
        wrpl @1, #3, 4
        complete
P23:
        getl 1
        getl 2
        wrpsl @1, #3, dat
        getl 1
        getl 2
        wrpsl @2, @1
        getl 1
        getl 2
        wrpsl @2, #3
        complete
P24:
        getl 1
        getl 2
        wrsb @1, @1
        getl 1
        getl 2
        wrsb @1, #3
        getl 1
        getl 2
        wrsb @1, #48
        complete
P25:
        getl 1
        getl 2
        wrss @1, #8
        getl 1
        getl 2
        wrss @1, dat
        getl 1
        getl 2
        wrss @1, dat+4
        complete
P26:
        getl 1
        getl 2
        wrsl @1, 0x100
        getl 1
        getl 2
        wrsl @1, ext
        getl 1
        getl 2
        wrsl @1, cm
        complete
P27:
        getl 1
        getl 2
        wrsq @1, #8, 4
        getl 1
        getl 2
        wrsq @1, #9, dat
        getl 1
        getl 2
        wrsq @1, [#8]
        complete
P28:
        getl 1
        getl 2
        wrf @1, [#8, 4]
        getl 1
        getl 2
        wrf @1, [@1]
        getl 1
        getl 2
        wrf @1, [@1, 8]
        complete
P29:
        getl 1
        getl 2
        wrd @1, @1, 5
        getl 1
        getl 2
        wrd @1, [5]
        getl 1
        getl 2
        wrd @1, [dat]
        complete
P30:
        getl 1
        getl 2
        wrp @1, @0
        getl 1
        getl 2
        wrp @1, [@0]
        getl 1
        getl 2
        wrp @1, #3, 4
        complete
P31:
        getl 1
        getl 2
        wrc @1, #3, dat
        getl 1
        getl 2
        wrc @2, @1
        getl 1
        getl 2
        wrc @2, #3
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
        rddl #9, dat
        getl 1
        getl 2
        rddl [#8]
        getl 1
        getl 2
        rddl [#8, 4]
        complete
P35:
        getl 1
        getl 2
        rddq [@1]
        getl 1
        getl 2
        rddq [@1, 8]
        getl 1
        getl 2
        rddq @1, 5
        complete
P36:
        getl 1
        getl 2
        rddps [5]
        getl 1
        getl 2
        rddps [dat]
        getl 1
        getl 2
        rddps @0
        complete
P37:
        getl 1
        getl 2
        rddpss [@0]
        getl 1
        getl 2
        rddpss #3, 4
        getl 1
        getl 2
        rddpss #3, dat
        complete
P38:
        getl 1
        getl 2
        rddpl @1
        getl 1
        getl 2
        rddpl #3
        getl 1
        getl 2
        rddpl #48
        complete
P39:
        getl 1
        getl 2
        rddpsl #8
        getl 1
        getl 2
        rddpsl dat
        getl 1
        getl 2
        rddpsl dat+4
        complete
P40:
        getl 1
        getl 2
        rddsb 0x100
        getl 1
        getl 2
        rddsb ext
        getl 1
        getl 2
        rddsb cm
        complete
P41:
        getl 1
        getl 2
        rddss #8, 4
        getl 1
        getl 2
        rddss #9, dat
        getl 1
        getl 2
        rddss [#8]
        complete
P42:
        getl 1
        getl 2
        rddsl [#8, 4]
        getl 1
        getl 2
        rddsl [@1]
        getl 1
        getl 2
        rddsl [@1, 8]
        complete
P43:
        getl 1
        getl 2
        rddsq @1, 5
        getl 1
        getl 2
        rddsq [5]
        getl 1
        getl 2
        rddsq [dat]
        complete
P44:
        getl 1
        getl 2
        rddf @0
        getl 1
        getl 2
        rddf [@0]
        getl 1
        getl 2
        rddf #3, 4
        complete
P45:
        getl 1
        getl 2
        rddd @1
        getl 1
        getl 2
        rddd #3
        getl 1
        getl 2
        rddd #3, dat
        complete
P46:
        getl 1
        getl 2
        rddp #48
        getl 1
        getl 2
        rddp #8
        getl 1
        getl 2
        rddp dat
        complete
P47:
        getl 1
        getl 2
        rddc dat+4
        getl 1
        getl 2
        rddc 0x100
        getl 1
        getl 2
        rddc ext
        complete
P48:
        getl 1
        getl 2
        wrdb @1, @1
        getl 1
        getl 2
        wrdb @1, #3
        getl 1
        getl 2
        wrdb @1, #48
        complete
P49:
        getl 1
        getl 2
        wrds @1, #8
        getl 1
        getl 2
        wrds @1, dat
        getl 1
        getl 2
        wrds @1, dat+4
        complete
P50:
        getl 1
        getl 2
        wrdl @1, 0x100
        getl 1
        getl 2
        wrdl @1, ext
        getl 1
        getl 2
        wrdl @1, cm
        complete
P51:
        getl 1
        getl 2
        wrdq @1, #8, 4
        getl 1
        getl 2
        wrdq @1, #9, dat
        getl 1
        getl 2
        wrdq @1, [#8]
        complete
P52:
        getl 1
        getl 2
        wrdps @1, [#8, 4]
        getl 1
        getl 2
        wrdps @1, [@1]
        getl 1
        getl 2
        wrdps @1, [@1, 8]
        complete
P53:
        getl 1
        getl 2
        wrdpss @1, @1, 5
        getl 1
        getl 2
        wrdpss @1, [5]
        getl 1
        getl 2
        wrdpss @1, [dat]
        complete
P54:
        getl 1
        getl 2
        wrdpl @1, @0
        getl 1
        getl 2
        wrdpl @1, [@0]
        getl 1
        getl 2
        wrdpl @1, #3, 4
        complete
P55:
        getl 1
        getl 2
        wrdpsl @1, #3, dat
        getl 1
        getl 2
        wrdpsl @2, @1
        getl 1
        getl 2
        wrdpsl @2, #3
        complete
P56:
        getl 1
        getl 2
        wrdsb @1, @1
        getl 1
        getl 2
        wrdsb @1, #3
        getl 1
        getl 2
        wrdsb @1, #48
        complete
P57:
        getl 1
        getl 2
        wrdss @1, #8
        getl 1
        getl 2
        wrdss @1, dat
        getl 1
        getl 2
        wrdss @1, dat+4
        complete
P58:
        getl 1
        getl 2
        wrdsl @1, 0x100
        getl 1
        getl 2
        wrdsl @1, ext
        getl 1
        getl 2
        wrdsl @1, cm
        complete
P59:
        getl 1
        getl 2
        wrdsq @1, #8, 4
        getl 1
        getl 2
        wrdsq @1, #9, dat
        getl 1
        getl 2
        wrdsq @1, [#8]
        complete
P60:
        getl 1
        getl 2
        wrdf @1, [#8, 4]
        getl 1
        getl 2
        wrdf @1, [@1]
        getl 1
        getl 2
        wrdf @1, [@1, 8]
        complete
P61:
        getl 1
        getl 2
        wrdd @1, @1, 5
        getl 1
        getl 2
        wrdd @1, [5]
        getl 1
        getl 2
        wrdd @1, [dat]
        complete
P62:
        getl 1
        getl 2
        wrdp @1, @0
        getl 1
        getl 2
        wrdp @1, [@0]
        getl 1
        getl 2
        wrdp @1, #3, 4
        complete
P63:
        getl 1
        getl 2
        wrdc @1, #3, dat
        getl 1
        getl 2
        wrdc @2, @1
        getl 1
        getl 2
        wrdc @2, #3
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
        gets 300
        getl 1
        getl 2
        gets -300
        getl 1
        getl 2
        gets #9, 300
        complete
P70:
        getl 1
        getl 2
        getl 70000
        getl 1
        getl 2
        getl ext-4
        getl 1
        getl 2
        getl #9, 70000
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
        getq #3, 70000
        complete
P72:
        getl 1
        getl 2
        getps ext-4
        getl 1
        getl 2
        getps #9, 70000
        getl 1
        getl 2
        getps #3, 70000
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
        getpl 70000
        getl 1
        getl 2
        getpl #9, 70000
        getl 1
        getl 2
        getpl #3, 70000
        complete
P75:
        getl 1
        getl 2
        getpsl -2
        getl 1
        getl 2
        getpsl ext-4
        getl 1
        getl 2
        getpsl #9, 70000
        complete
P76:
        getl 1
        getl 2
        getsb 5
        getl 1
        getl 2
        getsb #9, 5
        getl 1
        getl 2
        getsb #3, 5
        complete
P77:
        getl 1
        getl 2
        getss 300
        getl 1
        getl 2
        getss -300
        getl 1
        getl 2
        getss #3, 300
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
        getsl #3, 70000
        complete
P79:
        getl 1
        getl 2
        getsq ext-4
        getl 1
        getl 2
        getsq #8, 4
        getl 1
        getl 2
        getsq #9, 70000
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
        getd [#8]
        getl 1
        getl 2
        getd [#8, 4]
        getl 1
        getl 2
        getd [@1]
        complete
P82:
        getl 1
        getl 2
        getp 0f1.5
        getl 1
        getl 2
        getp #9, 0f1.5
        getl 1
        getl 2
        getp #3, 0f1.5
        complete
P83:
        getl 1
        getl 2
        getc 0f-0.25
        getl 1
        getl 2
        getc 7
        getl 1
        getl 2
        getc #9, 0f1.5
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
        sets #3, -300
        getl 1
        getl 2
        sets #3, #8, 4
        complete
P86:
        getl 1
        getl 2
        setl #3, -2
        getl 1
        getl 2
        setl #3, ext-4
        getl 1
        getl 2
        setl #3, #9, 70000
        complete
P87:
        getl 1
        getl 2
        setq #3, [#8]
        getl 1
        getl 2
        setq #3, [#8, 4]
        getl 1
        getl 2
        setq #3, [@1]
        complete
P88:
        getl 1
        getl 2
        setps #3, [@1, 8]
        getl 1
        getl 2
        setps #3, @1, 5
        getl 1
        getl 2
        setps #3, [5]
        complete
P89:
        getl 1
        getl 2
        setpss #3, [dat]
        getl 1
        getl 2
        setpss #3, @0
        getl 1
        getl 2
        setpss #3, [@0]
        complete
P90:
        getl 1
        getl 2
        setpl #3, #3, 4
        getl 1
        getl 2
        setpl #3, #3, 70000
        getl 1
        getl 2
        setpl #48, @1
        complete
P91:
        getl 1
        getl 2
        setpsl #3, @1
        getl 1
        getl 2
        setpsl #48, #3
        getl 1
        getl 2
        setpsl #48, #48
        complete
P92:
        getl 1
        getl 2
        setsb #3, small
        getl 1
        getl 2
        setsb #3, #9, 5
        getl 1
        getl 2
        setsb #3, #3, 5
        complete
P93:
        getl 1
        getl 2
        setss #3, #3
        getl 1
        getl 2
        setss #3, #9, 300
        getl 1
        getl 2
        setss #3, #3, 300
        complete
P94:
        getl 1
        getl 2
        setsl #3, #48
        getl 1
        getl 2
        setsl #3, #8
        getl 1
        getl 2
        setsl #3, -2
        complete
P95:
        getl 1
        getl 2
        setsq #3, ext-4
        getl 1
        getl 2
        setsq #3, #8, 4
        getl 1
        getl 2
        setsq #3, #9, 70000
        complete
P96:
        getl 1
        getl 2
        setf #3, 0f-0.25
        getl 1
        getl 2
        setf #3, 7
        getl 1
        getl 2
        setf #3, #9, 0f1.5
        complete
P97:
        getl 1
        getl 2
        setd #3, [#8]
        getl 1
        getl 2
        setd #3, [#8, 4]
        getl 1
        getl 2
        setd #3, [@1]
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
        setp #3, #3, 0f1.5
        complete
P99:
        getl 1
        getl 2
        setc #3, 7
        getl 1
        getl 2
        setc #3, #9, 0f1.5
        getl 1
        getl 2
        setc #3, [@1, 8]
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
        addps @1, #9, 70000
        getl 1
        getl 2
        addps @1, #3, 70000
        complete
P102:
        getl 1
        getl 2
        addpss @1, -2
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
        addpl @1, 70000
        getl 1
        getl 2
        addpl @1, -2
        getl 1
        getl 2
        addpl @1, #3, 70000
        complete
P104:
        getl 1
        getl 2
        addpsl @1, ext-4
        getl 1
        getl 2
        addpsl @1, #9, 70000
        getl 1
        getl 2
        addpsl @1, #3, 70000
        complete
P105:
        getl 1
        getl 2
        addsl @1, 70000
        getl 1
        getl 2
        addsl @1, -2
        getl 1
        getl 2
        addsl @1, ext-4
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
        addd @1, @1
        getl 1
        getl 2
        addd @1, #3
        getl 1
        getl 2
        addd @1, #48
        complete
P108:
        getl 1
        getl 2
        addp @1, 0f1.5
        getl 1
        getl 2
        addp @1, #9, 0f1.5
        getl 1
        getl 2
        addp @1, #3, 0f1.5
        complete
P109:
        getl 1
        getl 2
        addc @1, 0f-0.25
        getl 1
        getl 2
        addc @1, 7
        getl 1
        getl 2
        addc @1, #9, 0f1.5
        complete
P110:
        getl 1
        getl 2
        subl @1, #8
        getl 1
        getl 2
        subl @1, #9, 70000
        getl 1
        getl 2
        subl @1, #3, 70000
        complete
P111:
        getl 1
        getl 2
        subps @1, 70000
        getl 1
        getl 2
        subps @1, -2
        getl 1
        getl 2
        subps @1, dat
        complete
P112:
        getl 1
        getl 2
        subpss @1, ext-4
        getl 1
        getl 2
        subpss @1, #8, 4
        getl 1
        getl 2
        subpss @1, #9, 70000
        complete
P113:
        getl 1
        getl 2
        subpl @1, [#8]
        getl 1
        getl 2
        subpl @1, [#8, 4]
        getl 1
        getl 2
        subpl @1, [@1]
        complete
P114:
        getl 1
        getl 2
        subpsl @1, [@1, 8]
        getl 1
        getl 2
        subpsl @1, @1, 5
        getl 1
        getl 2
        subpsl @1, [5]
        complete
P115:
        getl 1
        getl 2
        subsl @1, [dat]
        getl 1
        getl 2
        subsl @1, @0
        getl 1
        getl 2
        subsl @1, [@0]
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
        subf @1, #3, 0f1.5
        complete
P117:
        getl 1
        getl 2
        subd @1, @1
        getl 1
        getl 2
        subd @2, @1
        getl 1
        getl 2
        subd @2, #3
        complete
P118:
        getl 1
        getl 2
        subp @1, 7
        getl 1
        getl 2
        subp @1, #9, 0f1.5
        getl 1
        getl 2
        subp @1, #3, 0f1.5
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
        mull @1, #3
        getl 1
        getl 2
        mull @1, #3, 4
        getl 1
        getl 2
        mull @1, #3, 70000
        complete
P121:
        getl 1
        getl 2
        mulps @1, #48
        getl 1
        getl 2
        mulps @1, #8
        getl 1
        getl 2
        mulps @1, 70000
        complete
P122:
        getl 1
        getl 2
        mulpss @1, -2
        getl 1
        getl 2
        mulpss @1, dat
        getl 1
        getl 2
        mulpss @1, ext-4
        complete
P123:
        getl 1
        getl 2
        mulpl @1, #8, 4
        getl 1
        getl 2
        mulpl @1, #9, 70000
        getl 1
        getl 2
        mulpl @1, [#8]
        complete
P124:
        getl 1
        getl 2
        mulpsl @1, [#8, 4]
        getl 1
        getl 2
        mulpsl @1, [@1]
        getl 1
        getl 2
        mulpsl @1, [@1, 8]
        complete
P125:
        getl 1
        getl 2
        mulsl @1, @1, 5
        getl 1
        getl 2
        mulsl @1, [5]
        getl 1
        getl 2
        mulsl @1, [dat]
        complete
P126:
        getl 1
        getl 2
        mulf @1, 0f1.5
        getl 1
        getl 2
        mulf @1, #9, 0f1.5
        getl 1
        getl 2
        mulf @1, #3, 0f1.5
        complete
P127:
        getl 1
        getl 2
        muld @1, @0
        getl 1
        getl 2
        muld @1, [@0]
        getl 1
        getl 2
        muld @2, @1
        complete
P128:
        getl 1
        getl 2
        mulp @1, 0f-0.25
        getl 1
        getl 2
        mulp @1, 7
        getl 1
        getl 2
        mulp @1, #9, 0f1.5
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
        mulc @1, #3, 0f1.5
        complete
P130:
        getl 1
        getl 2
        adcl @1, #3, 4
        getl 1
        getl 2
        adcl @1, #3, 70000
        getl 1
        getl 2
        adcl @2, #3
        complete
P131:
        getl 1
        getl 2
        adcsl @1, @1
        getl 1
        getl 2
        adcsl @1, #3
        getl 1
        getl 2
        adcsl @1, #48
        complete
P132:
        getl 1
        getl 2
        sbbl @1, #8
        getl 1
        getl 2
        sbbl @1, 70000
        getl 1
        getl 2
        sbbl @1, -2
        complete
P133:
        getl 1
        getl 2
        sbbsl @1, dat
        getl 1
        getl 2
        sbbsl @1, ext-4
        getl 1
        getl 2
        sbbsl @1, #8, 4
        complete
P134:
        getl 1
        getl 2
        insubl @1, #9, 70000
        getl 1
        getl 2
        insubl @1, [#8]
        getl 1
        getl 2
        insubl @1, [#8, 4]
        complete
P135:
        getl 1
        getl 2
        insubps @1, [@1]
        getl 1
        getl 2
        insubps @1, [@1, 8]
        getl 1
        getl 2
        insubps @1, @1, 5
        complete
P136:
        getl 1
        getl 2
        insubpss @1, [5]
        getl 1
        getl 2
        insubpss @1, [dat]
        getl 1
        getl 2
        insubpss @1, @0
        complete
P137:
        getl 1
        getl 2
        insubpl @1, [@0]
        getl 1
        getl 2
        insubpl @1, #3, 4
        getl 1
        getl 2
        insubpl @1, #3, 70000
        complete
P138:
        getl 1
        getl 2
        insubpsl @1, @1
        getl 1
        getl 2
        insubpsl @2, @1
        getl 1
        getl 2
        insubpsl @2, #3
        complete
P139:
        getl 1
        getl 2
        insubsl @1, #3
        getl 1
        getl 2
        insubsl @1, #48
        getl 1
        getl 2
        insubsl @1, #8
        complete
P140:
        getl 1
        getl 2
        insubf @1, 7
        getl 1
        getl 2
        insubf @1, #9, 0f1.5
        getl 1
        getl 2
        insubf @1, #3, 0f1.5
        complete
P141:
        getl 1
        getl 2
        insubd @1, [#8]
        getl 1
        getl 2
        insubd @1, [#8, 4]
        getl 1
        getl 2
        insubd @1, [@1]
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
        insubc @1, #9, 0f1.5
        getl 1
        getl 2
        insubc @1, #3, 0f1.5
        complete
P144:
        getl 1
        getl 2
        divf @1, 0f-0.25
        getl 1
        getl 2
        divf @1, 7
        getl 1
        getl 2
        divf @1, #8, 4
        complete
P145:
        getl 1
        getl 2
        divd @1, [@1, 8]
        getl 1
        getl 2
        divd @1, [5]
        getl 1
        getl 2
        divd @1, [dat]
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
        sqrtd [@1, 8]
        getl 1
        getl 2
        sqrtd [5]
        getl 1
        getl 2
        sqrtd [dat]
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
        maxps @1, @1, 5
        complete
P150:
        getl 1
        getl 2
        maxpss @1, @0
        getl 1
        getl 2
        maxpss @1, [@0]
        getl 1
        getl 2
        maxpss @1, #3, 4
        complete
P151:
        getl 1
        getl 2
        maxpl @1, #3, 70000
        getl 1
        getl 2
        maxpl @2, @1
        getl 1
        getl 2
        maxpl @2, #3
        complete
P152:
        getl 1
        getl 2
        maxpsl @1, @1
        getl 1
        getl 2
        maxpsl @1, #3
        getl 1
        getl 2
        maxpsl @1, #48
        complete
P153:
        getl 1
        getl 2
        maxsl @1, #8
        getl 1
        getl 2
        maxsl @1, 70000
        getl 1
        getl 2
        maxsl @1, -2
        complete
P154:
        getl 1
        getl 2
        maxf @1, 0f1.5
        getl 1
        getl 2
        maxf @1, #9, 0f1.5
        getl 1
        getl 2
        maxf @1, #3, 0f1.5
        complete
P155:
        getl 1
        getl 2
        maxd @1, [#8]
        getl 1
        getl 2
        maxd @1, [#8, 4]
        getl 1
        getl 2
        maxd @1, [@1]
        complete
P156:
        getl 1
        getl 2
        minl @1, dat
        getl 1
        getl 2
        minl @1, ext-4
        getl 1
        getl 2
        minl @1, #8, 4
        complete
P157:
        getl 1
        getl 2
        minps @1, #9, 70000
        getl 1
        getl 2
        minps @1, [@1, 8]
        getl 1
        getl 2
        minps @1, @1, 5
        complete
P158:
        getl 1
        getl 2
        minpss @1, [5]
        getl 1
        getl 2
        minpss @1, [dat]
        getl 1
        getl 2
        minpss @1, @0
        complete
P159:
        getl 1
        getl 2
        minpl @1, [@0]
        getl 1
        getl 2
        minpl @1, #3, 4
        getl 1
        getl 2
        minpl @1, #3, 70000
        complete
P160:
        getl 1
        getl 2
        minpsl @1, @1
        getl 1
        getl 2
        minpsl @2, @1
        getl 1
        getl 2
        minpsl @2, #3
        complete
P161:
        getl 1
        getl 2
        minsl @1, #3
        getl 1
        getl 2
        minsl @1, #48
        getl 1
        getl 2
        minsl @1, #8
        complete
P162:
        getl 1
        getl 2
        minf @1, 0f-0.25
        getl 1
        getl 2
        minf @1, 7
        getl 1
        getl 2
        minf @1, #9, 0f1.5
        complete
P163:
        getl 1
        getl 2
        mind @1, [#8]
        getl 1
        getl 2
        mind @1, [#8, 4]
        getl 1
        getl 2
        mind @1, [@1]
        complete
P164:
        getl 1
        getl 2
        abspss @1, 5
        getl 1
        getl 2
        abspss [@0]
        getl 1
        getl 2
        abspss #3, 4
        complete
P165:
        getl 1
        getl 2
        abspsl #3
        getl 1
        getl 2
        abspsl #48
        getl 1
        getl 2
        abspsl #3, 70000
        complete
P166:
        getl 1
        getl 2
        abssl 70000
        getl 1
        getl 2
        abssl -2
        getl 1
        getl 2
        abssl dat
        complete
P167:
        getl 1
        getl 2
        absf 0f1.5
        getl 1
        getl 2
        absf #9, 0f1.5
        getl 1
        getl 2
        absf #3, 0f1.5
        complete
P168:
        getl 1
        getl 2
        absd [#8]
        getl 1
        getl 2
        absd [#8, 4]
        getl 1
        getl 2
        absd [@1]
        complete
P169:
        getl 1
        getl 2
        ltl @1, 70000
        getl 1
        getl 2
        ltl @1, -2
        getl 1
        getl 2
        ltl @1, dat
        complete
P170:
        getl 1
        getl 2
        ltsl @1, ext-4
        getl 1
        getl 2
        ltsl @1, #8, 4
        getl 1
        getl 2
        ltsl @1, #9, 70000
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
        ltf @1, #3, 0f1.5
        complete
P172:
        getl 1
        getl 2
        ltd @1, [@1, 8]
        getl 1
        getl 2
        ltd @1, [5]
        getl 1
        getl 2
        ltd @1, [dat]
        complete
P173:
        getl 1
        getl 2
        gel @1, @1, 5
        getl 1
        getl 2
        gel @1, @0
        getl 1
        getl 2
        gel @1, [@0]
        complete
P174:
        getl 1
        getl 2
        gesl @1, #3, 4
        getl 1
        getl 2
        gesl @1, #3, 70000
        getl 1
        getl 2
        gesl @2, @1
        complete
P175:
        getl 1
        getl 2
        gef @1, 7
        getl 1
        getl 2
        gef @1, #9, 0f1.5
        getl 1
        getl 2
        gef @1, #3, 0f1.5
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
        ged @2, #3
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
        orq @1, [#8]
        complete
P180:
        getl 1
        getl 2
        and @1, [#8, 4]
        getl 1
        getl 2
        and @1, [@1]
        getl 1
        getl 2
        and @1, [@1, 8]
        complete
P181:
        getl 1
        getl 2
        andl @1, @1, 5
        getl 1
        getl 2
        andl @1, [5]
        getl 1
        getl 2
        andl @1, [dat]
        complete
P182:
        getl 1
        getl 2
        andq @1, @0
        getl 1
        getl 2
        andq @1, [@0]
        getl 1
        getl 2
        andq @1, #3, 4
        complete
P183:
        getl 1
        getl 2
        xor @1, #3, 70000
        getl 1
        getl 2
        xor @2, @1
        getl 1
        getl 2
        xor @2, #3
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
        xorl @1, #48
        complete
P185:
        getl 1
        getl 2
        xorq @1, #8
        getl 1
        getl 2
        xorq @1, 70000
        getl 1
        getl 2
        xorq @1, -2
        complete
P186:
        getl 1
        getl 2
        not ext-4
        getl 1
        getl 2
        not #8, 4
        getl 1
        getl 2
        not #9, 70000
        complete
P187:
        getl 1
        getl 2
        notl [@1, 8]
        getl 1
        getl 2
        notl @1, 5
        getl 1
        getl 2
        notl [5]
        complete
P188:
        getl 1
        getl 2
        notq [dat]
        getl 1
        getl 2
        notq [@0]
        getl 1
        getl 2
        notq #3, 4
        complete
P189:
        getl 1
        getl 2
        norml #3
        getl 1
        getl 2
        norml #48
        getl 1
        getl 2
        norml #3, 70000
        complete
P190:
        getl 1
        getl 2
        normsl 70000
        getl 1
        getl 2
        normsl -2
        getl 1
        getl 2
        normsl dat
        complete
P191:
        getl 1
        getl 2
        pack @1, dat
        getl 1
        getl 2
        pack @1, ext-4
        getl 1
        getl 2
        pack @1, #8, 4
        complete
P192:
        getl 1
        getl 2
        patch @1, #9, 70000
        getl 1
        getl 2
        patch @1, [#8]
        getl 1
        getl 2
        patch @1, [#8, 4]
        complete
P193:
        getl 1
        getl 2
        bsfl ext-4
        getl 1
        getl 2
        bsfl #8, 4
        getl 1
        getl 2
        bsfl #9, 70000
        complete
P194:
        getl 1
        getl 2
        bsfq [#8]
        getl 1
        getl 2
        bsfq [#8, 4]
        getl 1
        getl 2
        bsfq [@1]
        complete
P195:
        getl 1
        getl 2
        bsrl [@1, 8]
        getl 1
        getl 2
        bsrl @1, 5
        getl 1
        getl 2
        bsrl [5]
        complete
P196:
        getl 1
        getl 2
        bsrq [dat]
        getl 1
        getl 2
        bsrq @0
        getl 1
        getl 2
        bsrq [@0]
        complete
P197:
        getl 1
        getl 2
        slll @1, [@1]
        getl 1
        getl 2
        slll @1, [@1, 8]
        getl 1
        getl 2
        slll @1, @1, 5
        complete
P198:
        getl 1
        getl 2
        sllq @1, [5]
        getl 1
        getl 2
        sllq @1, [dat]
        getl 1
        getl 2
        sllq @1, @0
        complete
P199:
        getl 1
        getl 2
        sllps @1, [@0]
        getl 1
        getl 2
        sllps @1, #3, 4
        getl 1
        getl 2
        sllps @1, #3, 70000
        complete
P200:
        getl 1
        getl 2
        sllpss @1, @1
        getl 1
        getl 2
        sllpss @2, @1
        getl 1
        getl 2
        sllpss @2, #3
        complete
P201:
        getl 1
        getl 2
        sllpl @1, #3
        getl 1
        getl 2
        sllpl @1, #48
        getl 1
        getl 2
        sllpl @1, #8
        complete
P202:
        getl 1
        getl 2
        sllpsl @1, 70000
        getl 1
        getl 2
        sllpsl @1, -2
        getl 1
        getl 2
        sllpsl @1, dat
        complete
P203:
        getl 1
        getl 2
        sllsl @1, ext-4
        getl 1
        getl 2
        sllsl @1, #8, 4
        getl 1
        getl 2
        sllsl @1, #9, 70000
        complete
P204:
        getl 1
        getl 2
        slrl @1, [#8]
        getl 1
        getl 2
        slrl @1, [#8, 4]
        getl 1
        getl 2
        slrl @1, [@1]
        complete
P205:
        getl 1
        getl 2
        slrq @1, [@1, 8]
        getl 1
        getl 2
        slrq @1, @1, 5
        getl 1
        getl 2
        slrq @1, [5]
        complete
P206:
        getl 1
        getl 2
        slrps @1, [dat]
        getl 1
        getl 2
        slrps @1, @0
        getl 1
        getl 2
        slrps @1, [@0]
        complete
P207:
        getl 1
        getl 2
        slrpss @1, #3, 4
        getl 1
        getl 2
        slrpss @1, #3, 70000
        getl 1
        getl 2
        slrpss @2, @1
        complete
P208:
        getl 1
        getl 2
        slrpl @1, @1
        getl 1
        getl 2
        slrpl @1, #3
        getl 1
        getl 2
        slrpl @2, #3
        complete
P209:
        getl 1
        getl 2
        slrpsl @1, #48
        getl 1
        getl 2
        slrpsl @1, #8
        getl 1
        getl 2
        slrpsl @1, 70000
        complete
P210:
        getl 1
        getl 2
        slrsl @1, -2
        getl 1
        getl 2
        slrsl @1, dat
        getl 1
        getl 2
        slrsl @1, ext-4
        complete
P211:
        getl 1
        getl 2
        sall @1, #8, 4
        getl 1
        getl 2
        sall @1, #9, 70000
        getl 1
        getl 2
        sall @1, [#8]
        complete
P212:
        getl 1
        getl 2
        salq @1, [#8, 4]
        getl 1
        getl 2
        salq @1, [@1]
        getl 1
        getl 2
        salq @1, [@1, 8]
        complete
P213:
        getl 1
        getl 2
        salps @1, @1, 5
        getl 1
        getl 2
        salps @1, [5]
        getl 1
        getl 2
        salps @1, [dat]
        complete
P214:
        getl 1
        getl 2
        salpss @1, @0
        getl 1
        getl 2
        salpss @1, [@0]
        getl 1
        getl 2
        salpss @1, #3, 4
        complete
P215:
        getl 1
        getl 2
        salpl @1, #3, 70000
        getl 1
        getl 2
        salpl @2, @1
        getl 1
        getl 2
        salpl @2, #3
        complete
P216:
        getl 1
        getl 2
        salpsl @1, @1
        getl 1
        getl 2
        salpsl @1, #3
        getl 1
        getl 2
        salpsl @1, #48
        complete
P217:
        getl 1
        getl 2
        salsl @1, #8
        getl 1
        getl 2
        salsl @1, 70000
        getl 1
        getl 2
        salsl @1, -2
        complete
P218:
        getl 1
        getl 2
        sarl @1, dat
        getl 1
        getl 2
        sarl @1, ext-4
        getl 1
        getl 2
        sarl @1, #8, 4
        complete
P219:
        getl 1
        getl 2
        sarq @1, #9, 70000
        getl 1
        getl 2
        sarq @1, [#8]
        getl 1
        getl 2
        sarq @1, [#8, 4]
        complete
P220:
        getl 1
        getl 2
        sarps @1, [@1]
        getl 1
        getl 2
        sarps @1, [@1, 8]
        getl 1
        getl 2
        sarps @1, @1, 5
        complete
P221:
        getl 1
        getl 2
        sarpss @1, [5]
        getl 1
        getl 2
        sarpss @1, [dat]
        getl 1
        getl 2
        sarpss @1, @0
        complete
P222:
        getl 1
        getl 2
        sarpl @1, [@0]
        getl 1
        getl 2
        sarpl @1, #3, 4
        getl 1
        getl 2
        sarpl @1, #3, 70000
        complete
P223:
        getl 1
        getl 2
        sarpsl @1, @1
        getl 1
        getl 2
        sarpsl @2, @1
        getl 1
        getl 2
        sarpsl @2, #3
        complete
P224:
        getl 1
        getl 2
        sarsl @1, #3
        getl 1
        getl 2
        sarsl @1, #48
        getl 1
        getl 2
        sarsl @1, #8
        complete
P225:
        getl 1
        getl 2
        roll @1, 70000
        getl 1
        getl 2
        roll @1, -2
        getl 1
        getl 2
        roll @1, dat
        complete
P226:
        getl 1
        getl 2
        rolq @1, ext-4
        getl 1
        getl 2
        rolq @1, #8, 4
        getl 1
        getl 2
        rolq @1, #9, 70000
        complete
P227:
        getl 1
        getl 2
        rolps @1, [#8]
        getl 1
        getl 2
        rolps @1, [#8, 4]
        getl 1
        getl 2
        rolps @1, [@1]
        complete
P228:
        getl 1
        getl 2
        rolpss @1, [@1, 8]
        getl 1
        getl 2
        rolpss @1, @1, 5
        getl 1
        getl 2
        rolpss @1, [5]
        complete
P229:
        getl 1
        getl 2
        rolpl @1, [dat]
        getl 1
        getl 2
        rolpl @1, @0
        getl 1
        getl 2
        rolpl @1, [@0]
        complete
P230:
        getl 1
        getl 2
        rolpsl @1, #3, 4
        getl 1
        getl 2
        rolpsl @1, #3, 70000
        getl 1
        getl 2
        rolpsl @2, @1
        complete
P231:
        getl 1
        getl 2
        rolsl @1, @1
        getl 1
        getl 2
        rolsl @1, #3
        getl 1
        getl 2
        rolsl @2, #3
        complete
P232:
        getl 1
        getl 2
        rorl @1, #48
        getl 1
        getl 2
        rorl @1, #8
        getl 1
        getl 2
        rorl @1, 70000
        complete
P233:
        getl 1
        getl 2
        rorq @1, -2
        getl 1
        getl 2
        rorq @1, dat
        getl 1
        getl 2
        rorq @1, ext-4
        complete
P234:
        getl 1
        getl 2
        rorps @1, #8, 4
        getl 1
        getl 2
        rorps @1, #9, 70000
        getl 1
        getl 2
        rorps @1, [#8]
        complete
P235:
        getl 1
        getl 2
        rorpss @1, [#8, 4]
        getl 1
        getl 2
        rorpss @1, [@1]
        getl 1
        getl 2
        rorpss @1, [@1, 8]
        complete
P236:
        getl 1
        getl 2
        rorpl @1, @1, 5
        getl 1
        getl 2
        rorpl @1, [5]
        getl 1
        getl 2
        rorpl @1, [dat]
        complete
P237:
        getl 1
        getl 2
        rorpsl @1, @0
        getl 1
        getl 2
        rorpsl @1, [@0]
        getl 1
        getl 2
        rorpsl @1, #3, 4
        complete
P238:
        getl 1
        getl 2
        rorsl @1, #3, 70000
        getl 1
        getl 2
        rorsl @2, @1
        getl 1
        getl 2
        rorsl @2, #3
        complete
P239:
        getl 1
        getl 2
        bswapl @1
        getl 1
        getl 2
        bswapl #3, 4
        getl 1
        getl 2
        bswapl #3, 70000
        complete
P240:
        getl 1
        getl 2
        bswapq #3
        getl 1
        getl 2
        bswapq #48
        getl 1
        getl 2
        bswapq #8
        complete
P241:
        getl 1
        getl 2
        bswapps 70000
        getl 1
        getl 2
        bswapps -2
        getl 1
        getl 2
        bswapps dat
        complete
P242:
        getl 1
        getl 2
        bswappl ext-4
        getl 1
        getl 2
        bswappl #8, 4
        getl 1
        getl 2
        bswappl #9, 70000
        complete
P243:
        getl 1
        getl 2
        bcl [#8]
        getl 1
        getl 2
        bcl [#8, 4]
        getl 1
        getl 2
        bcl [@1]
        complete
P244:
        getl 1
        getl 2
        bcq [@1, 8]
        getl 1
        getl 2
        bcq @1, 5
        getl 1
        getl 2
        bcq [5]
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
        jne @1, #9, P247
        getl 1
        getl 2
        jne @1, #3, P247
        complete
P248:
        getl 1
        getl 2
        jb @1, 12
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
        jc @1, P249
        getl 1
        getl 2
        jc @1, 12
        getl 1
        getl 2
        jc @1, #3, P249
        complete
P250:
        getl 1
        getl 2
        jbe @1, ext+8
        getl 1
        getl 2
        jbe @1, #9, P250
        getl 1
        getl 2
        jbe @1, #3, P250
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
        ja @1, ext+8
        complete
P252:
        getl 1
        getl 2
        jae @1, P252
        getl 1
        getl 2
        jae @1, #9, P252
        getl 1
        getl 2
        jae @1, #3, P252
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
        js @1, #3, P254
        complete
P255:
        getl 1
        getl 2
        jns @1, ext+8
        getl 1
        getl 2
        jns @1, #9, P255
        getl 1
        getl 2
        jns @1, #3, P255
        complete
P256:
        getl 1
        getl 2
        jo @1, P256
        getl 1
        getl 2
        jo @1, 12
        getl 1
        getl 2
        jo @1, ext+8
        complete
P257:
        getl 1
        getl 2
        jno @1, P257
        getl 1
        getl 2
        jno @1, #9, P257
        getl 1
        getl 2
        jno @1, #3, P257
        complete
P258:
        getl 1
        getl 2
        jl @1, 12
        getl 1
        getl 2
        jl @1, ext+8
        getl 1
        getl 2
        jl @1, #9, P258
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
        jle @1, #3, P259
        complete
P260:
        getl 1
        getl 2
        jg @1, ext+8
        getl 1
        getl 2
        jg @1, #9, P260
        getl 1
        getl 2
        jg @1, #3, P260
        complete
P261:
        getl 1
        getl 2
        jge @1, P261
        getl 1
        getl 2
        jge @1, 12
        getl 1
        getl 2
        jge @1, ext+8
        complete
P262:
        getl 1
        getl 2
        irm -3
        getl 1
        getl 2
        irm [dat]
        getl 1
        getl 2
        irm @0
        complete
P263:
        getl 1
        getl 2
        irme @1, @1
        getl 1
        getl 2
        irme @1, #3
        getl 1
        getl 2
        irme @1, -3
        complete
P264:
        getl 1
        getl 2
        irmne @1, #48
        getl 1
        getl 2
        irmne @1, #8
        getl 1
        getl 2
        irmne @1, -3
        complete
P265:
        getl 1
        getl 2
        irmb @1, 70000
        getl 1
        getl 2
        irmb @1, -3
        getl 1
        getl 2
        irmb @1, #8, 4
        complete
P266:
        getl 1
        getl 2
        irmc @1, -3
        getl 1
        getl 2
        irmc @1, #9, 70000
        getl 1
        getl 2
        irmc @1, [#8]
        complete
P267:
        getl 1
        getl 2
        irmbe @1, -3
        getl 1
        getl 2
        irmbe @1, [#8, 4]
        getl 1
        getl 2
        irmbe @1, [@1]
        complete
P268:
        getl 1
        getl 2
        irma @1, -3
        getl 1
        getl 2
        irma @1, [@1, 8]
        getl 1
        getl 2
        irma @1, @1, 5
        complete
P269:
        getl 1
        getl 2
        irmae @1, -3
        getl 1
        getl 2
        irmae @1, [5]
        getl 1
        getl 2
        irmae @1, [dat]
        complete
P270:
        getl 1
        getl 2
        irmnc @1, -3
        getl 1
        getl 2
        irmnc @1, @0
        getl 1
        getl 2
        irmnc @1, [@0]
        complete
P271:
        getl 1
        getl 2
        irms @1, -3
        getl 1
        getl 2
        irms @1, #3, 4
        getl 1
        getl 2
        irms @1, #3, 70000
        complete
P272:
        getl 1
        getl 2
        irmns @1, -3
        getl 1
        getl 2
        irmns @2, @1
        getl 1
        getl 2
        irmns @2, #3
        complete
P273:
        getl 1
        getl 2
        irmo @1, @1
        getl 1
        getl 2
        irmo @1, #3
        getl 1
        getl 2
        irmo @1, -3
        complete
P274:
        getl 1
        getl 2
        irmno @1, #48
        getl 1
        getl 2
        irmno @1, #8
        getl 1
        getl 2
        irmno @1, -3
        complete
P275:
        getl 1
        getl 2
        irml @1, 70000
        getl 1
        getl 2
        irml @1, -3
        getl 1
        getl 2
        irml @1, #8, 4
        complete
P276:
        getl 1
        getl 2
        irmle @1, -3
        getl 1
        getl 2
        irmle @1, #9, 70000
        getl 1
        getl 2
        irmle @1, [#8]
        complete
P277:
        getl 1
        getl 2
        irmg @1, -3
        getl 1
        getl 2
        irmg @1, [#8, 4]
        getl 1
        getl 2
        irmg @1, [@1]
        complete
P278:
        getl 1
        getl 2
        irmge @1, -3
        getl 1
        getl 2
        irmge @1, [@1, 8]
        getl 1
        getl 2
        irmge @1, @1, 5
        complete
P279:
        getl 1
        getl 2
        se @1, -3
        getl 1
        getl 2
        se @1, [5]
        getl 1
        getl 2
        se @1, [dat]
        complete
P280:
        getl 1
        getl 2
        sne @1, -3
        getl 1
        getl 2
        sne @1, @0
        getl 1
        getl 2
        sne @1, [@0]
        complete
P281:
        getl 1
        getl 2
        sb @1, -3
        getl 1
        getl 2
        sb @1, #3, 4
        getl 1
        getl 2
        sb @1, #3, 70000
        complete
P282:
        getl 1
        getl 2
        sc @1, @1
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
        sbe @1, #3
        getl 1
        getl 2
        sbe @1, #48
        getl 1
        getl 2
        sbe @1, #8
        complete
P284:
        getl 1
        getl 2
        sa @1, 70000
        getl 1
        getl 2
        sa @1, -3
        getl 1
        getl 2
        sa @1, #8, 4
        complete
P285:
        getl 1
        getl 2
        sae @1, #9, 70000
        getl 1
        getl 2
        sae @1, [#8]
        getl 1
        getl 2
        sae @1, [#8, 4]
        complete
P286:
        getl 1
        getl 2
        snc @1, [@1]
        getl 1
        getl 2
        snc @1, [@1, 8]
        getl 1
        getl 2
        snc @1, @1, 5
        complete
P287:
        getl 1
        getl 2
        ss @1, [5]
        getl 1
        getl 2
        ss @1, [dat]
        getl 1
        getl 2
        ss @1, @0
        complete
P288:
        getl 1
        getl 2
        sns @1, [@0]
        getl 1
        getl 2
        sns @1, #3, 4
        getl 1
        getl 2
        sns @1, #3, 70000
        complete
P289:
        getl 1
        getl 2
        so @1, @1
        getl 1
        getl 2
        so @2, @1
        getl 1
        getl 2
        so @2, #3
        complete
P290:
        getl 1
        getl 2
        sno @1, #3
        getl 1
        getl 2
        sno @1, #48
        getl 1
        getl 2
        sno @1, #8
        complete
P291:
        getl 1
        getl 2
        sl @1, 70000
        getl 1
        getl 2
        sl @1, -3
        getl 1
        getl 2
        sl @1, #8, 4
        complete
P292:
        getl 1
        getl 2
        sle @1, #9, 70000
        getl 1
        getl 2
        sle @1, [#8]
        getl 1
        getl 2
        sle @1, [#8, 4]
        complete
P293:
        getl 1
        getl 2
        sg @1, [@1]
        getl 1
        getl 2
        sg @1, [@1, 8]
        getl 1
        getl 2
        sg @1, @1, 5
        complete
P294:
        getl 1
        getl 2
        sge @1, [5]
        getl 1
        getl 2
        sge @1, [dat]
        getl 1
        getl 2
        sge @1, @0
        complete
P295:
        getl 1
        getl 2
        forse @1, [@0]
        getl 1
        getl 2
        forse @1, #3, 4
        getl 1
        getl 2
        forse @1, #3, 70000
        complete
P296:
        getl 1
        getl 2
        forsne @1, @1
        getl 1
        getl 2
        forsne @2, @1
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
        forsb @1, #8
        complete
P298:
        getl 1
        getl 2
        forsc @1, 70000
        getl 1
        getl 2
        forsc @1, -3
        getl 1
        getl 2
        forsc @1, #8, 4
        complete
P299:
        getl 1
        getl 2
        forsbe @1, #9, 70000
        getl 1
        getl 2
        forsbe @1, [#8]
        getl 1
        getl 2
        forsbe @1, [#8, 4]
        complete
P300:
        getl 1
        getl 2
        forsa @1, [@1]
        getl 1
        getl 2
        forsa @1, [@1, 8]
        getl 1
        getl 2
        forsa @1, @1, 5
        complete
P301:
        getl 1
        getl 2
        forsae @1, [5]
        getl 1
        getl 2
        forsae @1, [dat]
        getl 1
        getl 2
        forsae @1, @0
        complete
P302:
        getl 1
        getl 2
        forsnc @1, [@0]
        getl 1
        getl 2
        forsnc @1, #3, 4
        getl 1
        getl 2
        forsnc @1, #3, 70000
        complete
P303:
        getl 1
        getl 2
        forss @1, @1
        getl 1
        getl 2
        forss @2, @1
        getl 1
        getl 2
        forss @2, #3
        complete
P304:
        getl 1
        getl 2
        forsns @1, #3
        getl 1
        getl 2
        forsns @1, #48
        getl 1
        getl 2
        forsns @1, #8
        complete
P305:
        getl 1
        getl 2
        forso @1, 70000
        getl 1
        getl 2
        forso @1, -3
        getl 1
        getl 2
        forso @1, #8, 4
        complete
P306:
        getl 1
        getl 2
        forsno @1, #9, 70000
        getl 1
        getl 2
        forsno @1, [#8]
        getl 1
        getl 2
        forsno @1, [#8, 4]
        complete
P307:
        getl 1
        getl 2
        forsl @1, [@1]
        getl 1
        getl 2
        forsl @1, [@1, 8]
        getl 1
        getl 2
        forsl @1, @1, 5
        complete
P308:
        getl 1
        getl 2
        forsle @1, [5]
        getl 1
        getl 2
        forsle @1, [dat]
        getl 1
        getl 2
        forsle @1, @0
        complete
P309:
        getl 1
        getl 2
        forsg @1, [@0]
        getl 1
        getl 2
        forsg @1, #3, 4
        getl 1
        getl 2
        forsg @1, #3, 70000
        complete
P310:
        getl 1
        getl 2
        forsge @1, @1
        getl 1
        getl 2
        forsge @2, @1
        getl 1
        getl 2
        forsge @2, #3
        complete
P311:
        getl 1
        getl 2
        ibb small
        getl 1
        getl 2
        ibb #9, 5
        getl 1
        getl 2
        ibb #3, 5
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
        cbstb #3, 5
        complete
P314:
        getl 1
        getl 2
        cbstsb 5
        getl 1
        getl 2
        cbstsb #9, 5
        getl 1
        getl 2
        cbstsb #3, 5
        complete
P315:
        getl 1
        getl 2
        cbb small
        getl 1
        getl 2
        cbb #9, 5
        getl 1
        getl 2
        cbb #3, 5
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
        clf 7
        getl 1
        getl 2
        clf [@0]
        getl 1
        getl 2
        clf #3, 4
        complete
P320:
        getl 1
        getl 2
        cslf @1
        getl 1
        getl 2
        cslf #3
        getl 1
        getl 2
        cslf 7
        complete
P321:
        getl 1
        getl 2
        cfsl #48
        getl 1
        getl 2
        cfsl #8
        getl 1
        getl 2
        cfsl #3, 70000
        complete
P322:
        getl 1
        getl 2
        cfd 0f-0.25
        getl 1
        getl 2
        cfd #9, 0f1.5
        getl 1
        getl 2
        cfd #3, 0f1.5
        complete
P323:
        getl 1
        getl 2
        cdf [#8]
        getl 1
        getl 2
        cdf [#8, 4]
        getl 1
        getl 2
        cdf [@1]
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
