; every operation of ZP100 in syntax V2, in the forms the assembler takes
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
        rdl #32
        getl 1
        getl 2
        rdl dat
        getl 1
        getl 2
        rdl dat+4
        complete
P2:
        getl 1
        getl 2
        rdq 0x100
        getl 1
        getl 2
        rdq ext
        getl 1
        getl 2
        rdq cm
        complete
P3:
        getl 1
        getl 2
        rdsb #32, 4
        getl 1
        getl 2
        rdsb #33, dat
        getl 1
        getl 2
        rdsb [#32]
        complete
P4:
        getl 1
        getl 2
        rdsl @1
        getl 1
        getl 2
        rdsl #3
        getl 1
        getl 2
        rdsl [#32, 4]
        complete
P5:
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
P6:
        getl 1
        getl 2
        wrl @1, #32
        getl 1
        getl 2
        wrl @1, dat
        getl 1
        getl 2
        wrl @1, dat+4
        complete
P7:
        getl 1
        getl 2
        wrq @1, 0x100
        getl 1
        getl 2
        wrq @1, ext
        getl 1
        getl 2
        wrq @1, cm
        complete
P8:
        getl 1
        getl 2
        wrsb @1, #32, 4
        getl 1
        getl 2
        wrsb @1, #33, dat
        getl 1
        getl 2
        wrsb @1, [#32]
        complete
P9:
        getl 1
        getl 2
        wrsl @1, [#32, 4]
        getl 1
        getl 2
        wrsl @2, @1
        getl 1
        getl 2
        wrsl @2, #3
        complete
P10:
        getl 1
        getl 2
        exa #32
        getl 1
        getl 2
        exa #32, 16
        getl 1
        getl 2
        exa #32, dat
        complete
P11:
        getl 1
        getl 2
        exa #32
        getl 1
        getl 2
        exa #32, 16
        getl 1
        getl 2
        exa #32, dat
        complete
P12:
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
P13:
        getl 1
        getl 2
        getl 70000
        getl 1
        getl 2
        getl ext-4
        getl 1
        getl 2
        getl #33, 70000
        complete
P14:
        getl 1
        getl 2
        getq #48
        getl 1
        getl 2
        getq 70000
        getl 1
        getl 2
        getq -2
        complete
P15:
        getl 1
        getl 2
        getsb 5
        getl 1
        getl 2
        getsb small
        getl 1
        getl 2
        getsb #33, 5
        complete
P16:
        getl 1
        getl 2
        getsl dat
        getl 1
        getl 2
        getsl ext-4
        getl 1
        getl 2
        getsl #32, 4
        complete
P17:
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
P18:
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
P19:
        getl 1
        getl 2
        setq #3, ext-4
        getl 1
        getl 2
        setq #3, #32, 4
        getl 1
        getl 2
        setq #3, #33, 70000
        complete
P20:
        getl 1
        getl 2
        setsb #3, 5
        getl 1
        getl 2
        setsb #3, small
        getl 1
        getl 2
        setsb #3, #33, 5
        complete
P21:
        getl 1
        getl 2
        setsl #3, [#32]
        getl 1
        getl 2
        setsl #3, [#32, 4]
        getl 1
        getl 2
        setsl #48, @1
        complete
P22:
        getl 1
        getl 2
        addb @1, 5
        getl 1
        getl 2
        addb @1, -2
        getl 1
        getl 2
        addb @1, small
        complete
P23:
        getl 1
        getl 2
        addl @1, 70000
        getl 1
        getl 2
        addl @1, ext-4
        getl 1
        getl 2
        addl @1, #33, 70000
        complete
P24:
        getl 1
        getl 2
        addsb @1, @1
        getl 1
        getl 2
        addsb @1, #3
        getl 1
        getl 2
        addsb @1, #33, 5
        complete
P25:
        getl 1
        getl 2
        addsl @1, #48
        getl 1
        getl 2
        addsl @1, 70000
        getl 1
        getl 2
        addsl @1, -2
        complete
P26:
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
P27:
        getl 1
        getl 2
        addp @1, 0f1.5
        getl 1
        getl 2
        addp @1, 0f-0.25
        getl 1
        getl 2
        addp @1, #33, 0f1.5
        complete
P28:
        getl 1
        getl 2
        addc @1, 7
        getl 1
        getl 2
        addc @1, #32, 4
        getl 1
        getl 2
        addc @1, #33, 0f1.5
        complete
P29:
        getl 1
        getl 2
        subb @1, 5
        getl 1
        getl 2
        subb @1, small
        getl 1
        getl 2
        subb @1, #33, 5
        complete
P30:
        getl 1
        getl 2
        subl @1, dat
        getl 1
        getl 2
        subl @1, ext-4
        getl 1
        getl 2
        subl @1, #33, 70000
        complete
P31:
        getl 1
        getl 2
        subsb @1, [#32]
        getl 1
        getl 2
        subsb @1, [#32, 4]
        getl 1
        getl 2
        subsb @2, @1
        complete
P32:
        getl 1
        getl 2
        subsl @1, @1
        getl 1
        getl 2
        subsl @1, #3
        getl 1
        getl 2
        subsl @2, #3
        complete
P33:
        getl 1
        getl 2
        subf @1, #48
        getl 1
        getl 2
        subf @1, 0f1.5
        getl 1
        getl 2
        subf @1, 0f-0.25
        complete
P34:
        getl 1
        getl 2
        subp @1, 7
        getl 1
        getl 2
        subp @1, #32, 4
        getl 1
        getl 2
        subp @1, #33, 0f1.5
        complete
P35:
        getl 1
        getl 2
        subc @1, [#32]
        getl 1
        getl 2
        subc @1, [#32, 4]
        getl 1
        getl 2
        subc @2, @1
        complete
P36:
        getl 1
        getl 2
        mulb @1, 5
        getl 1
        getl 2
        mulb @1, -2
        getl 1
        getl 2
        mulb @1, small
        complete
P37:
        getl 1
        getl 2
        mull @1, 70000
        getl 1
        getl 2
        mull @1, dat
        getl 1
        getl 2
        mull @1, ext-4
        complete
P38:
        getl 1
        getl 2
        mulsb @1, @1
        getl 1
        getl 2
        mulsb @1, #33, 5
        getl 1
        getl 2
        mulsb @2, #3
        complete
P39:
        getl 1
        getl 2
        mulsl @1, #3
        getl 1
        getl 2
        mulsl @1, #48
        getl 1
        getl 2
        mulsl @1, #33, 70000
        complete
P40:
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
P41:
        getl 1
        getl 2
        mulp @1, #32, 4
        getl 1
        getl 2
        mulp @1, #33, 0f1.5
        getl 1
        getl 2
        mulp @1, [#32]
        complete
P42:
        getl 1
        getl 2
        mulc @1, [#32, 4]
        getl 1
        getl 2
        mulc @2, @1
        getl 1
        getl 2
        mulc @2, #3
        complete
P43:
        getl 1
        getl 2
        adcb @1, 5
        getl 1
        getl 2
        adcb @1, -2
        getl 1
        getl 2
        adcb @1, small
        complete
P44:
        getl 1
        getl 2
        adcl @1, 70000
        getl 1
        getl 2
        adcl @1, dat
        getl 1
        getl 2
        adcl @1, ext-4
        complete
P45:
        getl 1
        getl 2
        sbbb @1, @1
        getl 1
        getl 2
        sbbb @1, #3
        getl 1
        getl 2
        sbbb @1, #33, 5
        complete
P46:
        getl 1
        getl 2
        sbbl @1, #48
        getl 1
        getl 2
        sbbl @1, 70000
        getl 1
        getl 2
        sbbl @1, #33, 70000
        complete
P47:
        getl 1
        getl 2
        insubb @1, 5
        getl 1
        getl 2
        insubb @1, -2
        getl 1
        getl 2
        insubb @1, small
        complete
P48:
        getl 1
        getl 2
        insubl @1, dat
        getl 1
        getl 2
        insubl @1, ext-4
        getl 1
        getl 2
        insubl @1, #32, 4
        complete
P49:
        getl 1
        getl 2
        insubsb @1, #33, 5
        getl 1
        getl 2
        insubsb @1, [#32]
        getl 1
        getl 2
        insubsb @1, [#32, 4]
        complete
P50:
        getl 1
        getl 2
        insubsl @1, #33, 70000
        getl 1
        getl 2
        insubsl @2, @1
        getl 1
        getl 2
        insubsl @2, #3
        complete
P51:
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
P52:
        getl 1
        getl 2
        insubp @1, @1
        getl 1
        getl 2
        insubp @1, #3
        getl 1
        getl 2
        insubp @1, #33, 0f1.5
        complete
P53:
        getl 1
        getl 2
        insubc @1, #48
        getl 1
        getl 2
        insubc @1, 0f1.5
        getl 1
        getl 2
        insubc @1, 0f-0.25
        complete
P54:
        getl 1
        getl 2
        divf @1, 7
        getl 1
        getl 2
        divf @1, #32, 4
        getl 1
        getl 2
        divf @1, #33, 0f1.5
        complete
P55:
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
P56:
        getl 1
        getl 2
        maxb @1, 5
        getl 1
        getl 2
        maxb @1, -2
        getl 1
        getl 2
        maxb @1, small
        complete
P57:
        getl 1
        getl 2
        maxl @1, 70000
        getl 1
        getl 2
        maxl @1, dat
        getl 1
        getl 2
        maxl @1, ext-4
        complete
P58:
        getl 1
        getl 2
        maxsb @1, #33, 5
        getl 1
        getl 2
        maxsb @1, [#32]
        getl 1
        getl 2
        maxsb @1, [#32, 4]
        complete
P59:
        getl 1
        getl 2
        maxsl @1, #33, 70000
        getl 1
        getl 2
        maxsl @2, @1
        getl 1
        getl 2
        maxsl @2, #3
        complete
P60:
        getl 1
        getl 2
        maxf @1, @1
        getl 1
        getl 2
        maxf @1, #3
        getl 1
        getl 2
        maxf @1, #48
        complete
P61:
        getl 1
        getl 2
        minb @1, 5
        getl 1
        getl 2
        minb @1, -2
        getl 1
        getl 2
        minb @1, small
        complete
P62:
        getl 1
        getl 2
        minl @1, 70000
        getl 1
        getl 2
        minl @1, dat
        getl 1
        getl 2
        minl @1, ext-4
        complete
P63:
        getl 1
        getl 2
        minsb @1, #32, 4
        getl 1
        getl 2
        minsb @1, #33, 5
        getl 1
        getl 2
        minsb @1, [#32]
        complete
P64:
        getl 1
        getl 2
        minsl @1, #33, 70000
        getl 1
        getl 2
        minsl @1, [#32, 4]
        getl 1
        getl 2
        minsl @2, @1
        complete
P65:
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
P66:
        getl 1
        getl 2
        abssb #33, 5
        getl 1
        getl 2
        abssb [#32]
        getl 1
        getl 2
        abssb [#32, 4]
        complete
P67:
        getl 1
        getl 2
        abssl @1
        getl 1
        getl 2
        abssl #3
        getl 1
        getl 2
        abssl #33, 70000
        complete
P68:
        getl 1
        getl 2
        absf 0f1.5
        getl 1
        getl 2
        absf 0f-0.25
        getl 1
        getl 2
        absf #33, 0f1.5
        complete
P69:
        getl 1
        getl 2
        or @1, @1
        getl 1
        getl 2
        or @1, #3
        getl 1
        getl 2
        or @2, #3
        complete
P70:
        getl 1
        getl 2
        orq @1, #48
        getl 1
        getl 2
        orq @1, 70000
        getl 1
        getl 2
        orq @1, -2
        complete
P71:
        getl 1
        getl 2
        and @1, dat
        getl 1
        getl 2
        and @1, ext-4
        getl 1
        getl 2
        and @1, #32, 4
        complete
P72:
        getl 1
        getl 2
        andq @1, #33, 70000
        getl 1
        getl 2
        andq @1, [#32]
        getl 1
        getl 2
        andq @1, [#32, 4]
        complete
P73:
        getl 1
        getl 2
        xor @1, @1
        getl 1
        getl 2
        xor @2, @1
        getl 1
        getl 2
        xor @2, #3
        complete
P74:
        getl 1
        getl 2
        xorq @1, #3
        getl 1
        getl 2
        xorq @1, #48
        getl 1
        getl 2
        xorq @1, 70000
        complete
P75:
        getl 1
        getl 2
        not #48
        getl 1
        getl 2
        not 70000
        getl 1
        getl 2
        not -2
        complete
P76:
        getl 1
        getl 2
        notq dat
        getl 1
        getl 2
        notq ext-4
        getl 1
        getl 2
        notq #32, 4
        complete
P77:
        getl 1
        getl 2
        normsb 5
        getl 1
        getl 2
        normsb small
        getl 1
        getl 2
        normsb #33, 5
        complete
P78:
        getl 1
        getl 2
        normsl #33, 70000
        getl 1
        getl 2
        normsl [#32]
        getl 1
        getl 2
        normsl [#32, 4]
        complete
P79:
        getl 1
        getl 2
        normsq @1
        getl 1
        getl 2
        normsq #3
        getl 1
        getl 2
        normsq #48
        complete
P80:
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
P81:
        getl 1
        getl 2
        patch @1, #32, 4
        getl 1
        getl 2
        patch @1, #33, 70000
        getl 1
        getl 2
        patch @1, [#32]
        complete
P82:
        getl 1
        getl 2
        sllb @1, 5
        getl 1
        getl 2
        sllb @1, small
        getl 1
        getl 2
        sllb @1, #33, 5
        complete
P83:
        getl 1
        getl 2
        slll @1, [#32, 4]
        getl 1
        getl 2
        slll @2, @1
        getl 1
        getl 2
        slll @2, #3
        complete
P84:
        getl 1
        getl 2
        sllq @1, @1
        getl 1
        getl 2
        sllq @1, #3
        getl 1
        getl 2
        sllq @1, #48
        complete
P85:
        getl 1
        getl 2
        sllsb @1, 5
        getl 1
        getl 2
        sllsb @1, small
        getl 1
        getl 2
        sllsb @1, #33, 5
        complete
P86:
        getl 1
        getl 2
        sllsl @1, 70000
        getl 1
        getl 2
        sllsl @1, -2
        getl 1
        getl 2
        sllsl @1, dat
        complete
P87:
        getl 1
        getl 2
        slrb @1, 5
        getl 1
        getl 2
        slrb @1, small
        getl 1
        getl 2
        slrb @1, #32, 4
        complete
P88:
        getl 1
        getl 2
        slrl @1, ext-4
        getl 1
        getl 2
        slrl @1, #33, 70000
        getl 1
        getl 2
        slrl @1, [#32]
        complete
P89:
        getl 1
        getl 2
        slrq @1, [#32, 4]
        getl 1
        getl 2
        slrq @2, @1
        getl 1
        getl 2
        slrq @2, #3
        complete
P90:
        getl 1
        getl 2
        salb @1, @1
        getl 1
        getl 2
        salb @1, #3
        getl 1
        getl 2
        salb @1, #33, 5
        complete
P91:
        getl 1
        getl 2
        sall @1, #48
        getl 1
        getl 2
        sall @1, 70000
        getl 1
        getl 2
        sall @1, -2
        complete
P92:
        getl 1
        getl 2
        salq @1, dat
        getl 1
        getl 2
        salq @1, ext-4
        getl 1
        getl 2
        salq @1, #32, 4
        complete
P93:
        getl 1
        getl 2
        salsb @1, 5
        getl 1
        getl 2
        salsb @1, small
        getl 1
        getl 2
        salsb @1, #33, 5
        complete
P94:
        getl 1
        getl 2
        salsl @1, #33, 70000
        getl 1
        getl 2
        salsl @1, [#32]
        getl 1
        getl 2
        salsl @1, [#32, 4]
        complete
P95:
        getl 1
        getl 2
        sarsb @1, @1
        getl 1
        getl 2
        sarsb @2, @1
        getl 1
        getl 2
        sarsb @2, #3
        complete
P96:
        getl 1
        getl 2
        sarsl @1, #3
        getl 1
        getl 2
        sarsl @1, #48
        getl 1
        getl 2
        sarsl @1, 70000
        complete
P97:
        getl 1
        getl 2
        sarsq @1, -2
        getl 1
        getl 2
        sarsq @1, dat
        getl 1
        getl 2
        sarsq @1, ext-4
        complete
P98:
        getl 1
        getl 2
        rolb @1, 5
        getl 1
        getl 2
        rolb @1, small
        getl 1
        getl 2
        rolb @1, #32, 4
        complete
P99:
        getl 1
        getl 2
        roll @1, #33, 70000
        getl 1
        getl 2
        roll @1, [#32]
        getl 1
        getl 2
        roll @1, [#32, 4]
        complete
P100:
        getl 1
        getl 2
        rolq @1, @1
        getl 1
        getl 2
        rolq @2, @1
        getl 1
        getl 2
        rolq @2, #3
        complete
P101:
        getl 1
        getl 2
        rorb @1, #3
        getl 1
        getl 2
        rorb @1, #48
        getl 1
        getl 2
        rorb @1, #33, 5
        complete
P102:
        getl 1
        getl 2
        rorl @1, 70000
        getl 1
        getl 2
        rorl @1, -2
        getl 1
        getl 2
        rorl @1, dat
        complete
P103:
        getl 1
        getl 2
        rorq @1, ext-4
        getl 1
        getl 2
        rorq @1, #32, 4
        getl 1
        getl 2
        rorq @1, #33, 70000
        complete
P104:
        getl 1
        getl 2
        jmp P104
        getl 1
        getl 2
        jmp 12
        getl 1
        getl 2
        jmp ext+8
        complete
P105:
        getl 1
        getl 2
        je @1, P105
        getl 1
        getl 2
        je @1, 12
        getl 1
        getl 2
        je @1, ext+8
        complete
P106:
        getl 1
        getl 2
        jne @1, P106
        getl 1
        getl 2
        jne @1, 12
        getl 1
        getl 2
        jne @1, #33, P106
        complete
P107:
        getl 1
        getl 2
        jb @1, P107
        getl 1
        getl 2
        jb @1, ext+8
        getl 1
        getl 2
        jb @1, #33, P107
        complete
P108:
        getl 1
        getl 2
        jc @1, 12
        getl 1
        getl 2
        jc @1, ext+8
        getl 1
        getl 2
        jc @1, #33, P108
        complete
P109:
        getl 1
        getl 2
        jbe @1, P109
        getl 1
        getl 2
        jbe @1, 12
        getl 1
        getl 2
        jbe @1, ext+8
        complete
P110:
        getl 1
        getl 2
        ja @1, P110
        getl 1
        getl 2
        ja @1, 12
        getl 1
        getl 2
        ja @1, #33, P110
        complete
P111:
        getl 1
        getl 2
        jae @1, P111
        getl 1
        getl 2
        jae @1, ext+8
        getl 1
        getl 2
        jae @1, #33, P111
        complete
P112:
        getl 1
        getl 2
        jnc @1, 12
        getl 1
        getl 2
        jnc @1, ext+8
        getl 1
        getl 2
        jnc @1, #33, P112
        complete
P113:
        getl 1
        getl 2
        js @1, P113
        getl 1
        getl 2
        js @1, 12
        getl 1
        getl 2
        js @1, ext+8
        complete
P114:
        getl 1
        getl 2
        jns @1, P114
        getl 1
        getl 2
        jns @1, 12
        getl 1
        getl 2
        jns @1, #33, P114
        complete
P115:
        getl 1
        getl 2
        jo @1, P115
        getl 1
        getl 2
        jo @1, ext+8
        getl 1
        getl 2
        jo @1, #33, P115
        complete
P116:
        getl 1
        getl 2
        jno @1, 12
        getl 1
        getl 2
        jno @1, ext+8
        getl 1
        getl 2
        jno @1, #33, P116
        complete
P117:
        getl 1
        getl 2
        jl @1, P117
        getl 1
        getl 2
        jl @1, 12
        getl 1
        getl 2
        jl @1, ext+8
        complete
P118:
        getl 1
        getl 2
        jle @1, P118
        getl 1
        getl 2
        jle @1, 12
        getl 1
        getl 2
        jle @1, #33, P118
        complete
P119:
        getl 1
        getl 2
        jg @1, P119
        getl 1
        getl 2
        jg @1, ext+8
        getl 1
        getl 2
        jg @1, #33, P119
        complete
P120:
        getl 1
        getl 2
        jge @1, 12
        getl 1
        getl 2
        jge @1, ext+8
        getl 1
        getl 2
        jge @1, #33, P120
        complete
P121:
        getl 1
        getl 2
        clf 7
        getl 1
        getl 2
        clf #32, 4
        getl 1
        getl 2
        clf [#32]
        complete
P122:
        getl 1
        getl 2
        cslf @1
        getl 1
        getl 2
        cslf 7
        getl 1
        getl 2
        cslf [#32, 4]
        complete
P123:
        getl 1
        getl 2
        cfsl 0f1.5
        getl 1
        getl 2
        cfsl 0f-0.25
        getl 1
        getl 2
        cfsl #33, 0f1.5
        complete
P124:
        getl 1
        getl 2
        madd @1, 0f1.5
        getl 1
        getl 2
        madd @1, 0f-0.25
        getl 1
        getl 2
        madd @1, #33, 0f1.5
        complete
