; floating literals stored as single-precision bits
        .text
p:
        getl 0f1.5
        addf @1, 0f0.5
        addf @1, 3
        addf @1, 0f1e300
        complete
