<template>
   <activities>
      <leaders>
         <activity id="barn_storming">
            <name>Barnstorming</name>
            <picture>barn&#95;storming.bmp</picture>
            <energy_points>3</energy_points>
            <command_points>2</command_points>
            <cost>500</cost>
            <base_power>2</base_power>
            <chance_national_news>10</chance_national_news>
            <chance_backfire>2</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>1</requires_location>
         </activity>
         <activity id="fundraiser">
            <name>Fundraiser</name>
            <picture>fundraiser.bmp</picture>
            <energy_points>2</energy_points>
            <command_points>1</command_points>
            <cost>0</cost>
            <base_power>1</base_power>
            <chance_national_news>5</chance_national_news>
            <chance_backfire>1</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>1</requires_location>
         </activity>
         <activity id="policy_speech">
            <name>Policy Speech</name>
            <picture>policy&#95;speech.bmp</picture>
            <energy_points>2</energy_points>
            <command_points>2</command_points>
            <cost>200</cost>
            <base_power>2</base_power>
            <chance_national_news>20</chance_national_news>
            <chance_backfire>5</chance_backfire>
            <has_issue_focus>1</has_issue_focus>
            <requires_location>1</requires_location>
         </activity>
         <activity id="issue_knowledge">
            <name>Issue Knowledge</name>
            <picture>issue&#95;knowledge.bmp</picture>
            <energy_points>1</energy_points>
            <command_points>1</command_points>
            <cost>0</cost>
            <base_power>1</base_power>
            <chance_national_news>0</chance_national_news>
            <chance_backfire>0</chance_backfire>
            <has_issue_focus>1</has_issue_focus>
            <requires_location>0</requires_location>
         </activity>
         <activity id="debate_prep">
            <name>Debate Prep</name>
            <picture>debate&#95;prep.bmp</picture>
            <energy_points>2</energy_points>
            <command_points>1</command_points>
            <cost>0</cost>
            <base_power>1</base_power>
            <chance_national_news>0</chance_national_news>
            <chance_backfire>0</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>0</requires_location>
         </activity>
         <activity id="develop_campaign">
            <name>Develop Campaign</name>
            <picture>develop&#95;campaign.bmp</picture>
            <energy_points>1</energy_points>
            <command_points>3</command_points>
            <cost>1000</cost>
            <base_power>1</base_power>
            <chance_national_news>0</chance_national_news>
            <chance_backfire>0</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>0</requires_location>
         </activity>
         <activity id="rest">
            <name>Rest</name>
            <picture>rest.bmp</picture>
            <energy_points>0</energy_points>
            <command_points>0</command_points>
            <cost>0</cost>
            <base_power>0</base_power>
            <chance_national_news>0</chance_national_news>
            <chance_backfire>0</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>0</requires_location>
         </activity>
      </leaders>
      <viceleaders>
         <activity id="barn_storming">
            <name>Barnstorming</name>
            <picture>barn&#95;storming.bmp</picture>
            <energy_points>3</energy_points>
            <command_points>2</command_points>
            <cost>500</cost>
            <base_power>1</base_power>
            <chance_national_news>5</chance_national_news>
            <chance_backfire>2</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>1</requires_location>
         </activity>
         <activity id="fundraiser">
            <name>Fundraiser</name>
            <picture>fundraiser.bmp</picture>
            <energy_points>2</energy_points>
            <command_points>1</command_points>
            <cost>0</cost>
            <base_power>1</base_power>
            <chance_national_news>2</chance_national_news>
            <chance_backfire>1</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>1</requires_location>
         </activity>
         <activity id="policy_speech">
            <name>Policy Speech</name>
            <picture>policy&#95;speech.bmp</picture>
            <energy_points>2</energy_points>
            <command_points>2</command_points>
            <cost>200</cost>
            <base_power>1</base_power>
            <chance_national_news>10</chance_national_news>
            <chance_backfire>5</chance_backfire>
            <has_issue_focus>1</has_issue_focus>
            <requires_location>1</requires_location>
         </activity>
         <activity id="rest">
            <name>Rest</name>
            <picture>rest.bmp</picture>
            <energy_points>0</energy_points>
            <command_points>0</command_points>
            <cost>0</cost>
            <base_power>0</base_power>
            <chance_national_news>0</chance_national_news>
            <chance_backfire>0</chance_backfire>
            <has_issue_focus>0</has_issue_focus>
            <requires_location>0</requires_location>
         </activity>
      </viceleaders>
   </activities>
   <ads>
      <ad id="39447_6546805909">
         <name>Television Spot</name>
         <description>A thirty-second spot on national television. Expensive, but it reaches every home.</description>
         <universal_distribution>0</universal_distribution>
         <cost_coefficient>1.5</cost_coefficient>
         <base_power>3</base_power>
         <attack_backfire_chance>20</attack_backfire_chance>
         <attack_power_bonus>2</attack_power_bonus>
         <turns_to_start>2</turns_to_start>
         <turns_to_cancel>1</turns_to_cancel>
         <max_turns_can_run>7</max_turns_can_run>
         <immediately_available>1</immediately_available>
         <ad_qualities>
            <quality id="low">
               <name>Low</name>
               <budget>4000</budget>
               <turns_to_make>3</turns_to_make>
               <chance_of_success>5</chance_of_success>
            </quality>
            <quality id="med">
               <name>Med</name>
               <budget>8000</budget>
               <turns_to_make>4</turns_to_make>
               <chance_of_success>10</chance_of_success>
            </quality>
            <quality id="high">
               <name>High</name>
               <budget>15000</budget>
               <turns_to_make>6</turns_to_make>
               <chance_of_success>20</chance_of_success>
            </quality>
         </ad_qualities>
      </ad>
      <ad id="39450_2946245602">
         <name>Radio Spot</name>
         <description>A short radio advert played at breakfast and drive time.</description>
         <universal_distribution>0</universal_distribution>
         <cost_coefficient>0.75</cost_coefficient>
         <base_power>2</base_power>
         <attack_backfire_chance>15</attack_backfire_chance>
         <attack_power_bonus>1</attack_power_bonus>
         <turns_to_start>1</turns_to_start>
         <turns_to_cancel>1</turns_to_cancel>
         <max_turns_can_run>10</max_turns_can_run>
         <immediately_available>1</immediately_available>
         <ad_qualities>
            <quality id="low">
               <name>Low</name>
               <budget>1000</budget>
               <turns_to_make>2</turns_to_make>
               <chance_of_success>5</chance_of_success>
            </quality>
            <quality id="med">
               <name>Med</name>
               <budget>2000</budget>
               <turns_to_make>3</turns_to_make>
               <chance_of_success>10</chance_of_success>
            </quality>
            <quality id="high">
               <name>High</name>
               <budget>5000</budget>
               <turns_to_make>5</turns_to_make>
               <chance_of_success>15</chance_of_success>
            </quality>
         </ad_qualities>
      </ad>
      <ad id="39428_5333183946">
         <name>Newspaper Advert</name>
         <description>A full-page advert in the national and regional newspapers.</description>
         <universal_distribution>0</universal_distribution>
         <cost_coefficient>0.5</cost_coefficient>
         <base_power>1</base_power>
         <attack_backfire_chance>10</attack_backfire_chance>
         <attack_power_bonus>1</attack_power_bonus>
         <turns_to_start>1</turns_to_start>
         <turns_to_cancel>0</turns_to_cancel>
         <max_turns_can_run>5</max_turns_can_run>
         <immediately_available>1</immediately_available>
         <ad_qualities>
            <quality id="low">
               <name>Low</name>
               <budget>800</budget>
               <turns_to_make>1</turns_to_make>
               <chance_of_success>5</chance_of_success>
            </quality>
            <quality id="med">
               <name>Med</name>
               <budget>1500</budget>
               <turns_to_make>2</turns_to_make>
               <chance_of_success>8</chance_of_success>
            </quality>
            <quality id="high">
               <name>High</name>
               <budget>3000</budget>
               <turns_to_make>3</turns_to_make>
               <chance_of_success>12</chance_of_success>
            </quality>
         </ad_qualities>
      </ad>
   </ads>
   <endorsers></endorsers>
   <events>
      <random_events on="1">
         <simple_issue_events></simple_issue_events>
      </random_events>
      <scripted_events></scripted_events>
   </events>
   <issues>
      <issue id="39453_5875548717">
         <name>Leadership</name>
         <type>attribute</type>
         <picture>leadership.bmp</picture>
      </issue>
      <issue id="39457_7107453134">
         <name>Integrity</name>
         <type>attribute</type>
         <picture>integrity.bmp</picture>
      </issue>
      <issue id="39434_8565748873">
         <name>Experience</name>
         <type>attribute</type>
         <picture>experience.bmp</picture>
      </issue>
      <issue id="39443_1512371697">
         <name>Issue Familiarity</name>
         <type>attribute</type>
         <picture>issue&#95;familiarity.bmp</picture>
      </issue>
      <issue id="39435_6583481509">
         <name>Taxes</name>
         <type>PositionIssue</type>
         <picture>taxes.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>A steeply progressive income tax, a wealth tax and heavy levies on company profits.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Raise taxes on high earners and large companies to pay for public services.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Modest rises for top earners, with relief for families on low incomes.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Keep the overall tax burden steady while simplifying the tax code.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Gradual income tax cuts for everyone and lower rates for small firms.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Deep cuts to income and company taxes, paid for by spending restraint.</description>
               <fundraising>4</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>One low flat tax for everyone and no taxes on savings or inheritance.</description>
               <fundraising>6</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39436_4150025394">
         <name>Health Care</name>
         <type>PositionIssue</type>
         <picture>health&#95;care.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>One public health service, free for all, with private medicine abolished.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Expand the public health service and cap what private insurers may charge.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Cover everyone through public insurance, with room for private providers.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>A mix of public and private insurance with a basic safety net for all.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Market insurance with tax credits to help families buy their own cover.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Private insurance for most&#59; public care only for emergencies and the poor.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Health care is a private matter&#58; close every public health program.</description>
               <fundraising>2</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39456_5690351627">
         <name>Education</name>
         <type>PositionIssue</type>
         <picture>education.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Free schooling and university for all, with private schools taken into public hands.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Large increases in school funding and free university tuition.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>More money for public schools and help with fees for poorer students.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Steady funding, national standards and a mix of public and private schools.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>School choice through vouchers and more self-governing public schools.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Let parents choose freely&#58; funding follows the child, not the school board.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Close the education ministry and leave schooling to families and churches.</description>
               <fundraising>0</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39422_6549400459">
         <name>Defense</name>
         <type>PositionIssue</type>
         <picture>defense.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Disband the armed forces and spend their budget on social programs.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Deep cuts to military spending and an end to arms exports.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>A smaller, defensive military and more money for peacekeeping.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Keep defense spending where it is.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Modernize the armed forces with a moderate rise in spending.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>A strong military and a large rise in the defense budget.</description>
               <fundraising>3</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Military service for every young citizen and a massive arms build-up.</description>
               <fundraising>4</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39440_8138262527">
         <name>Immigration</name>
         <type>PositionIssue</type>
         <picture>immigration.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Open borders and full citizens&#39; rights for everyone who lives here.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Generous asylum rules and an easy path to citizenship.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Welcome skilled workers and refugees and help them settle in.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Managed immigration matched to the needs of the economy.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Tighter quotas and stricter checks on residence permits.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Sharp cuts to immigration and the removal of illegal residents.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Stop all immigration and send foreign workers home.</description>
               <fundraising>2</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39431_4167076657">
         <name>Environment</name>
         <type>PositionIssue</type>
         <picture>environment.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Close polluting industries at once, whatever the cost in jobs.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Strict pollution limits and heavy taxes on carbon emissions.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Tighten environmental rules step by step and help the workers affected.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Balance the protection of nature with the needs of industry.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Voluntary targets and incentives instead of new regulations.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Roll back the environmental rules that hold back growth.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Abolish environmental regulation and open protected land to industry.</description>
               <fundraising>2</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39434_1285029562">
         <name>Energy</name>
         <type>PositionIssue</type>
         <picture>energy.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Nationalize the energy companies and end the use of coal, oil and gas.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Public investment in wind, sun and tide while fossil fuels are phased out.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Subsidies for renewable energy and stricter efficiency standards.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>A broad mix of renewables, gas and nuclear power.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>More nuclear power and easier licences for new gas fields.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Expand drilling and mining and end the subsidies for renewables.</description>
               <fundraising>3</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Drill everywhere, mine everything and sell the national grid.</description>
               <fundraising>4</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39440_8578509357">
         <name>Trade</name>
         <type>PositionIssue</type>
         <picture>trade.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Leave every trade agreement and protect each domestic job with tariffs.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Fair trade only, with labor and environmental terms in every deal.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Open trade with safeguards for vulnerable industries.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Judge each free trade agreement on its merits.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Lower tariffs and seek new trade agreements.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Free trade with every willing partner and no export subsidies.</description>
               <fundraising>3</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Abolish all tariffs and customs controls at once.</description>
               <fundraising>3</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39444_8624235125">
         <name>Crime and Justice</name>
         <type>PositionIssue</type>
         <picture>crime.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Close most prisons and replace punishment with community programs.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Tackle the causes of crime, with shorter sentences and rehabilitation.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>More community policing and support for young offenders.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Firm policing together with prevention programs.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>More police on the streets and longer sentences for violent crime.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Tough mandatory sentences and wider powers for the police.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Zero tolerance, harsh punishment and the return of hard labor.</description>
               <fundraising>1</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39434_4777242569">
         <name>Welfare</name>
         <type>PositionIssue</type>
         <picture>welfare.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>A guaranteed income for every citizen, paid from the public purse.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Higher benefits and a stronger safety net for the unemployed.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Protect benefits while helping people back into work.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Keep the present welfare system with modest reforms.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Tie benefits to work or training and tighten the rules.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Cut welfare spending and limit how long benefits are paid.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Abolish welfare and leave relief to charities and families.</description>
               <fundraising>2</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39421_4272180956">
         <name>Pensions</name>
         <type>PositionIssue</type>
         <picture>pensions.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Generous public pensions for all, paid by taxes on business and wealth.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Raise the state pension and keep the retirement age where it is.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Protect the state pension and encourage savings at work.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Raise the retirement age gradually to keep pensions affordable.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Move part of the state pension into personal savings accounts.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Replace most of the state pension with private accounts.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>End public pensions&#58; everyone saves for their own old age.</description>
               <fundraising>2</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39445_1988599827">
         <name>Labor Unions</name>
         <type>PositionIssue</type>
         <picture>labor&#95;unions.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Workers should own and run their workplaces, with a union veto over managers.</description>
               <fundraising>3</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Stronger union rights, a higher minimum wage and limits on layoffs.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Protect the right to organize and raise the minimum wage with prices.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Keep labor law as it is and encourage unions and employers to cooperate.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Secret ballots before every strike and a freeze on the minimum wage.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Curb union power and abolish the minimum wage for young workers.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Ban strikes in essential services and outlaw the closed shop.</description>
               <fundraising>3</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39435_9537505066">
         <name>Agriculture</name>
         <type>PositionIssue</type>
         <picture>agriculture.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Break up the large estates and hand the land to farming cooperatives.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Guaranteed prices for small farmers and limits on agribusiness.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Subsidies aimed at family farms and rural communities.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Keep farm support as it is while reforming its worst excesses.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Cut farm subsidies gradually and open new export markets.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>End farm subsidies and let the market set food prices.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Sell off all public farmland and abolish every agricultural rule.</description>
               <fundraising>2</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39457_2073567124">
         <name>Civil Liberties</name>
         <type>PositionIssue</type>
         <picture>civil&#95;liberties.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>End all surveillance, disband the security service and legalize every drug.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Strong privacy laws and an end to detention without trial.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Protect privacy while giving the police limited new powers under judges.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Balance personal freedom and public security.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Wider surveillance powers to fight crime and terrorism.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>National identity cards and broad powers of detention.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Curfews, censorship and the power to ban extremist groups.</description>
               <fundraising>0</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39425_7656930519">
         <name>Foreign Policy</name>
         <type>PositionIssue</type>
         <picture>foreign&#95;policy.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Leave every military alliance and declare permanent neutrality.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Work through international bodies and give more in foreign aid.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Diplomacy first, with modest commitments to our allies.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Keep our present alliances and treaty obligations.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Stand firmly with our allies and take a larger role abroad.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Put the national interest first and act alone when needed.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Leave the international bodies and treat our neighbours as rivals.</description>
               <fundraising>1</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39453_5573017379">
         <name>Housing</name>
         <type>PositionIssue</type>
         <picture>housing.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Take empty homes into public ownership and cap every rent.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>A large public house-building program and stronger tenant rights.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Build more affordable homes and regulate the worst landlords.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Speed up building through planning reform and help first-time buyers.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Help people buy their homes and sell public housing to its tenants.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Scrap rent controls and most planning rules.</description>
               <fundraising>2</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>End all public housing and every rule on landlords and builders.</description>
               <fundraising>3</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39431_6966746327">
         <name>Transport</name>
         <type>PositionIssue</type>
         <picture>transport.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Free public transport everywhere and no private cars in the cities.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Nationalize the railways and invest heavily in buses and trams.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Move spending from roads to rail and public transport.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Balanced investment in roads and public transport.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Let private firms run rail and bus services under contract.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Build roads and motorways and cut rail subsidies.</description>
               <fundraising>1</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Sell every road, railway and port to private owners.</description>
               <fundraising>2</fundraising>
            </position>
         </positions>
      </issue>
      <issue id="39442_1323657656">
         <name>Regional Autonomy</name>
         <type>PositionIssue</type>
         <picture>regional&#95;autonomy.bmp</picture>
         <positions>
            <position id="far_left">
               <name>Far-Left</name>
               <description>Independence for any region that votes for it.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="left">
               <name>Left</name>
               <description>Wide self-government for the regions, with their own tax powers.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_left">
               <name>Center-Left</name>
               <description>Elected regional assemblies in charge of schools and health.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center">
               <name>Center</name>
               <description>Keep the present balance between the capital and the regions.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="center_right">
               <name>Center-Right</name>
               <description>Limit regional spending and set national standards.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="right">
               <name>Right</name>
               <description>Strengthen the central government and trim regional powers.</description>
               <fundraising>0</fundraising>
            </position>
            <position id="far_right">
               <name>Far-Right</name>
               <description>Abolish the regional governments and rule from the capital.</description>
               <fundraising>1</fundraising>
            </position>
         </positions>
      </issue>
   </issues>
   <parties></parties>
   <percentages>
      <randomization>5</randomization>
      <universal_alienated>5</universal_alienated>
      <political_units></political_units>
   </percentages>
   <political_units>
      <political_unit id="39439_8290909482">
         <population>10000000</population>
         <eligible_voters>7000000</eligible_voters>
         <type>national</type>
         <layer>national</layer>
         <name>New Nation</name>
         <abbreviation>NN</abbreviation>
         <capital>Capital City</capital>
         <flag>Describe the national flag here.</flag>
         <motto>Enter the national motto here.</motto>
         <logo>nation.bmp</logo>
         <nickname></nickname>
         <blurb>Describe the nation here.</blurb>
         <year_of_entry>1900</year_of_entry>
         <political_units></political_units>
         <issue_centers>
            <issue id="39453_5875548717">
               <initial_primaries_profile>High</initial_primaries_profile>
               <initial_generalelection_profile>High</initial_generalelection_profile>
            </issue>
            <issue id="39457_7107453134">
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>High</initial_generalelection_profile>
            </issue>
            <issue id="39434_8565748873">
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39443_1512371697">
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39435_6583481509">
               <center>Center</center>
               <initial_primaries_profile>High</initial_primaries_profile>
               <initial_generalelection_profile>High</initial_generalelection_profile>
            </issue>
            <issue id="39436_4150025394">
               <center>Center</center>
               <initial_primaries_profile>High</initial_primaries_profile>
               <initial_generalelection_profile>High</initial_generalelection_profile>
            </issue>
            <issue id="39456_5690351627">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39422_6549400459">
               <center>Center</center>
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39440_8138262527">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39431_4167076657">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39434_1285029562">
               <center>Center</center>
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39440_8578509357">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39444_8624235125">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>High</initial_generalelection_profile>
            </issue>
            <issue id="39434_4777242569">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39421_4272180956">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39445_1988599827">
               <center>Center</center>
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39435_9537505066">
               <center>Center</center>
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Low</initial_generalelection_profile>
            </issue>
            <issue id="39457_2073567124">
               <center>Center</center>
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Low</initial_generalelection_profile>
            </issue>
            <issue id="39425_7656930519">
               <center>Center</center>
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Low</initial_generalelection_profile>
            </issue>
            <issue id="39453_5573017379">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
            <issue id="39431_6966746327">
               <center>Center</center>
               <initial_primaries_profile>Low</initial_primaries_profile>
               <initial_generalelection_profile>Low</initial_generalelection_profile>
            </issue>
            <issue id="39442_1323657656">
               <center>Center</center>
               <initial_primaries_profile>Medium</initial_primaries_profile>
               <initial_generalelection_profile>Medium</initial_generalelection_profile>
            </issue>
         </issue_centers>
         <election_events></election_events>
      </political_unit>
   </political_units>
   <relations>
      <coalition_offers>1</coalition_offers>
      <endorsement_offers>1</endorsement_offers>
      <non_aggression_offers>1</non_aggression_offers>
      <viceleader_offers>1</viceleader_offers>
      <leaders></leaders>
   </relations>
   <scenario>
      <name>New Scenario</name>
      <background_images>default</background_images>
      <primaries_introduction>Every party chooses its candidate in a season of primaries and caucuses held region by region. Win the nomination of your party, then lead it into the general election.</primaries_introduction>
      <generalelection_introduction>The conventions are over and the candidates are chosen. Travel the country, raise money, win endorsements and take your case to the voters before election day.</generalelection_introduction>
      <primaries>
         <start_date>02/04/2008</start_date>
      </primaries>
      <general_election>
         <start_date>08/18/2008</start_date>
         <end_date>10/26/2008</end_date>
      </general_election>
      <money_coefficient>1</money_coefficient>
      <fundraising_coefficient>1</fundraising_coefficient>
      <inter_party_coefficient>1</inter_party_coefficient>
      <intra_party_coefficient>1</intra_party_coefficient>
      <pollresults_day>Fri</pollresults_day>
      <economy>
         <initial>3</initial>
         <targets>
            <target id="39457_5429974373">
               <name>Boom</name>
               <economy_target>4</economy_target>
               <speed>Slow</speed>
               <chance>10</chance>
            </target>
            <target id="39425_5633016476">
               <name>Recession</name>
               <economy_target>2</economy_target>
               <speed>Normal</speed>
               <chance>10</chance>
            </target>
         </targets>
      </economy>
      <advertising>
         <pac>1</pac>
         <ban_days_before_election>-1</ban_days_before_election>
         <max_per_player>10</max_per_player>
      </advertising>
      <base_cp>20</base_cp>
      <currency_symbol>&#36;</currency_symbol>
      <leader>
         <position>President</position>
         <institution>Republic</institution>
         <appointed_by>Popular Vote</appointed_by>
      </leader>
      <interviewers>
         <interviewer>
            <name>New Interviewer</name>
            <stance>Center</stance>
            <visibility>Med</visibility>
            <contentiousness>Med</contentiousness>
         </interviewer>
      </interviewers>
      <debates>
         <general_election>
            <debate>
               <type>Leader</type>
               <date>09/22/2008</date>
               <language>English</language>
               <percent_to_qualify>15</percent_to_qualify>
            </debate>
            <debate>
               <type>Viceleader</type>
               <date>10/06/2008</date>
               <language>English</language>
               <percent_to_qualify>15</percent_to_qualify>
            </debate>
         </general_election>
         <primaries></primaries>
      </debates>
   </scenario>
</template>
