; ZP200: a register as F2, and an indirect index register with an offset
        .text
p:
        getl 5
        addl @1, #3
        complete
q:
        rdl [#8, 16]
        addl @1, #3
        complete
r:
        rdl [#9]
        rdl [#10 + 4]
        complete
