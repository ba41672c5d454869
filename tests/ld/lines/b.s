; a second unit, after a.s's
        .text
        .globl other
other:  getl #4
        addl @1, #5
        complete
