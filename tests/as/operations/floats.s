; floating literals are refused where the V field is not a float
        .text
p:
        getl 1
        addf @1, 0f1.5
        addb @1, 0f1.5
        jmp 0f2.0
        complete
