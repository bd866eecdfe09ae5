#pragma once

// The 99 settings in table order: key, type, default. The order is the order of the
// settings text and of the fields of CBank; change nothing here without the device.
// Each entry is X(key, type, default).
#define REZAR_SETTING_LIST(X) \
    X(amode, String, "GPS") \
    X(abaud, Integer, 4800) \
    X(bmode, String, "GPS") \
    X(bbaud, Integer, 4800) \
    X(pkticom, Boolean, 1) \
    X(pktocom, Boolean, 0) \
    X(headerln, Boolean, 0) \
    X(softrst, Boolean, 0) \
    X(decstat, Boolean, 0) \
    X(tprotocol, String, "MIC-E") \
    X(timestamp, Boolean, 1) \
    X(timehms, Boolean, 1) \
    X(tdao, Integer, 0) \
    X(tsymcode, Character, '>') \
    X(tsymtable, Character, '/') \
    X(mmsg, Integer, 0) \
    X(micetmv, Boolean, 0) \
    X(tosv, Boolean, 1) \
    X(tspeed, Boolean, 1) \
    X(talt, Boolean, 1) \
    X(msgcap, Boolean, 0) \
    X(location, String, "1234.5678N 12345.6789W") \
    X(galt, Integer, 1000) \
    X(tstat, String, "/Quillwren Rezar") \
    X(statusrate, Integer, 1) \
    X(pperiod, Integer, 0) \
    X(sben, Boolean, 0) \
    X(sbtangle, Integer, 27) \
    X(sbtslope, Integer, 255) \
    X(sbttime, Integer, 5) \
    X(sbsspeed, Integer, 5) \
    X(sbsperiod, Integer, 1800) \
    X(sbfspeed, Integer, 60) \
    X(sbfperiod, Integer, 90) \
    X(ents, Boolean, 0) \
    X(tsoffset, Integer, 17) \
    X(mpperiod, Integer, 0) \
    X(gwaymode, String, "NMEA") \
    X(gwaylen, Integer, 9) \
    X(tswpt, Boolean, 1) \
    X(wyptxt, Boolean, 0) \
    X(pavpen, Boolean, 0) \
    X(tpswitch, Integer, 0) \
    X(grelaybits, Integer, 1) \
    X(grelayrate, Integer, 0) \
    X(lrntps, Boolean, 0) \
    X(gpschk, Boolean, 0) \
    X(intclk, Boolean, 0) \
    X(gkrelay, Integer, 0) \
    X(bperiod, Integer, 0) \
    X(btext, String, ">/Quillwren Rezar") \
    X(alias1, String, "TEMP") \
    X(alias2, String, "") \
    X(alias3, String, "") \
    X(preempt, Boolean, 0) \
    X(digiid, Boolean, 1) \
    X(digimy, Boolean, 0) \
    X(dupetime, Integer, 30) \
    X(tperiod, Integer, 0) \
    X(telhires, Boolean, 0) \
    X(telvolt, Boolean, 1) \
    X(teltemp, Boolean, 1) \
    X(tvolttwk, Integer, 128) \
    X(ttemptwk, Integer, 128) \
    X(telread, Boolean, 1) \
    X(wperiod, Integer, 0) \
    X(wxpos, Boolean, 1) \
    X(bnkmode, Integer, 0) \
    X(msgcmd, Boolean, 0) \
    X(mycall, String, "NOCALL") \
    X(path1, String, "WIDE1-1") \
    X(path2, String, "WIDE2-1") \
    X(path3, String, "") \
    X(altnet, String, "APQWN") \
    X(ssidroute, Integer, 0) \
    X(txd, Integer, 30) \
    X(filtercall, String, "") \
    X(quiet, Integer, 10) \
    X(cdmode, String, "LEVEL") \
    X(persist, Integer, 65) \
    X(slottime, Integer, 15) \
    X(cdlevel, Integer, 20) \
    X(p300, Boolean, 0) \
    X(trnkmode, Boolean, 0) \
    X(dec96, Boolean, 0) \
    X(rxamp, Integer, 12) \
    X(txlevel, Integer, 128) \
    X(ppathing, Boolean, 0) \
    X(txtwist, Integer, 50) \
    X(mtxd, Integer, 10) \
    X(nodisp, Boolean, 0) \
    X(dmetric, Boolean, 0) \
    X(ddist, Boolean, 0) \
    X(txtdisp, Boolean, 0) \
    X(dmsdisp, Boolean, 0) \
    X(frawdisp, Boolean, 0) \
    X(hrawdisp, Boolean, 0) \
    X(rpathdisp, Boolean, 0) \
    X(leds, Boolean, 1) \

