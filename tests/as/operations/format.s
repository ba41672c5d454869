; ZP100 with syntax V2: operand combinations without an encoding
        .text
p:
        getl 1
        getl 2
        addl @1, @2, 5
        addl @1, #32
        getl #32
        addl @1, [#32]
        getl [@1]
        complete
