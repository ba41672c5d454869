; names that are not there, and what was probably meant
        .data
value:  .long 1
        .macro twice
        .endm
        .text
p:
        adl @1, 2
        addb @1, 2
        rds 4
        twise
        getl #PSX
        getl #STVALR
        getl #FORCE
        getl #99
        completely
        complete
        .lon 5
        .texts
        qqqqqqqq
