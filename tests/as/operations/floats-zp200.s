; ZP200: indirect operands, references in F2, integer types without the
; float flag and the double type take no floating literal
        .text
p:
        getl 1
        getl [0f1.0]
        getl @1, 0f1.0
        addl @1, 0f1.0
        addd @1, 0f0.0
        addd @1, 0f1.0
        addd @1, 5
        complete
