; syntax V1: index registers make F2 indirect except for get and memory
; accesses; rd takes any register as a plain F2
        .text
p:
        getl #32
        addl @1, #33
        addl @1, #34, 8
        addl @1, #35 -4
        rdl #1
        rdl #32, 4
        complete
