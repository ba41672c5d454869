/* macro arguments: positions, names, defaults, blanks and commas, quoted
   text, :vararg, \() and parameters inside strings */
        .data
        .macro pair a=5, b=6
        .byte \a, \b
        .endm
        pair
        pair 1
        pair ,2
        pair b=9
        pair b=9 a=8
        pair 3, b=4
        pair 1 2
        pair 1+2 3
        .macro text s, t="x y"
        .ascii "\s<\t>"
        .byte 0
        .endm
        text "a b"
        text q, "1,2"
        text plain
        .macro rest first, others:vararg
        .byte \first
        .byte \others
        .endm
        rest 1, 2, 3, 4
        rest 7, 8
        .macro glue p
        .byte 0x\p\()1, \p\()\p
        .short 0x\p\()00
        .endm
        glue 2
        glue 7
        .macro wide w:req, fill=0x55
        .skip \w, \fill
        .long \w * 1000, -\w
        .quad \w << 40
        .endm
        wide 3
        wide 2, 0xaa
        wide fill=1, w=1
        .macro cond n
        .if \n > 2
        .byte 0x10 + \n
        .else
        .byte 0x20 + \n
        .endif
        .endm
        cond 1
        cond 5
