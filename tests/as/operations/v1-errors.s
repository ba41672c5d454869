; syntax V1 on ZP200: rdd/wrd take only index registers, get ends at an
; index register, and an index register is followed by a comma or a sign
        .text
p:
        rddl #1, 4
        getl #8, 4
        addl @1, #8 4
        complete
