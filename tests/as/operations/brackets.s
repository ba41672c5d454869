; syntax V2: unbalanced brackets around the F2/V operand
        .text
p:
        rdl [#8
        rdl [#8, 16
        rdl #8]
        rdl 16]
        rdl [16
        addl @1, #3 5
        complete
